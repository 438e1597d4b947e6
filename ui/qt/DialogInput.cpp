// What the user does on the widgets, turned into the dialog's input calls.
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/ClientArea.h"
#include "ui/qt/DialogView.h"
#include "ui/qt/PictureButton.h"
#include "ui/qt/QtText.h"
#include "ui/qt/TrackBar.h"
#include "ui/qt/UpDown.h"

namespace veltrane::qt {

using ui::ControlKind;

void DialogView::wire(int id, ControlKind kind, QWidget* widget) {
    switch (kind) {
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                    input([&] { m_dialog.typeInto(id, ToUtf8(text)); });
                });
                edit->installEventFilter(this);  // focus leaving it
            }
            break;
        case ControlKind::PushButton:
        case ControlKind::PictureButton:
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, id] { input([&] { m_dialog.click(id); }); });
            break;
        case ControlKind::RadioButton:
            // Qt has already toggled the button; the window logic says what it really shows.
            connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this, [this, id] {
                input([&] { m_dialog.click(id); });
                sync(id);
            });
            widget->installEventFilter(this);  // arrow keys within the group
            break;
        case ControlKind::ComboBox:
            connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                    [this, id](int index) {
                        input([&] { m_dialog.selectEntry(id, index); });
                        sync(id);
                    });
            break;
        case ControlKind::Slider:
            connect(static_cast<TrackBar*>(widget), &TrackBar::moved, this,
                    [this, id](int position) {
                        input([&] { m_dialog.moveSlider(id, position); });
                        sync(id);
                    });
            break;
        case ControlKind::Spin:
            connect(static_cast<UpDown*>(widget), &UpDown::stepped, this,
                    [this, id](int delta) { input([&] { m_dialog.stepSpin(id, delta); }); });
            break;
        default:
            break;
    }
}

int DialogView::radioNeighbour(int id, int step) const {
    const std::size_t me = m_byId.at(id);
    std::size_t first = me;
    while (first > 0 && !m_entries[first].layoutControl.layout.style.group) --first;
    std::size_t last = me + 1;
    while (last < m_entries.size() && !m_entries[last].layoutControl.layout.style.group) ++last;
    const std::size_t count = last - first;
    for (std::size_t k = 1; k < count; ++k) {
        const std::size_t offset = (me - first + count + (step > 0 ? k : count - k)) % count;
        const Entry& entry = m_entries[first + offset];
        if (entry.tracked && entry.widget &&
            entry.layoutControl.kind() == ControlKind::RadioButton &&
            m_dialog.isEnabled(entry.layoutControl.id()))
            return entry.layoutControl.id();
    }
    return 0;
}

bool DialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // An arrow key in a group of radio buttons moves to the next one and clicks it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int step = (key == Qt::Key_Down || key == Qt::Key_Right) ? 1
                         : (key == Qt::Key_Up || key == Qt::Key_Left)  ? -1
                                                                       : 0;
        auto it = m_idOfWidget.find(watched);
        if (step != 0 && it != m_idOfWidget.end() &&
            m_dialog.control(it->second).kind() == ControlKind::RadioButton) {
            if (const int next = radioNeighbour(it->second, step)) {
                widget(next)->setFocus(Qt::TabFocusReason);
                input([&] { m_dialog.click(next); });
            }
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A popup (a menu, a list dropping down) borrows the focus without taking it.
        const auto* focus = static_cast<QFocusEvent*>(event);
        auto it = m_idOfWidget.find(watched);
        if (it != m_idOfWidget.end() && focus->reason() != Qt::PopupFocusReason &&
            m_dialog.control(it->second).kind() == ControlKind::Edit) {
            const int id = it->second;
            input([&] { m_dialog.leave(id); });
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        // The background and the statics on it: a double-click there is the dialog's.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* source = qobject_cast<QWidget*>(watched);
        if (source && mouse->button() == Qt::LeftButton) {
            const QPoint at = source->mapTo(m_client, mouse->position().toPoint());
            const ui::KeyState keys{mouse->modifiers().testFlag(Qt::ShiftModifier),
                                    mouse->modifiers().testFlag(Qt::ControlModifier)};
            input([&] { m_dialog.doubleClick({at.x(), at.y()}, keys); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace veltrane::qt
