// What the user does on the widgets, turned into the dialog's input calls.
#include <QComboBox>
#include <QFocusEvent>
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

bool DialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A popup (a menu, a list dropping down) borrows the focus without taking it.
        const auto* focus = static_cast<QFocusEvent*>(event);
        auto it = m_idOfWidget.find(watched);
        if (it != m_idOfWidget.end() && focus->reason() != Qt::PopupFocusReason) {
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
