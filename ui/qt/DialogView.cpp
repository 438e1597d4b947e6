#include "ui/qt/DialogView.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/qt/ClientArea.h"
#include "ui/qt/ControlSync.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/ImageStore.h"
#include "ui/qt/PictureButton.h"
#include "ui/qt/QtText.h"
#include "ui/qt/TrackBar.h"
#include "ui/qt/UpDown.h"

namespace veltrane::qt {

using ui::ControlKind;

DialogView::DialogView(ui::Dialog& dialog, ImageStore& images, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_font(DialogFont(dialog.layout())),
      m_context{images, m_font,
                QSize(DluToPixelsX(dialog.layout().width), DluToPixelsY(dialog.layout().height))} {
    const ui::DialogLayout& layout = dialog.layout();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (layout.minMaxBoxes) flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    setFont(m_font);
    setWindowTitle(ToQString(dialog.caption()));
    if (layout.iconId != 0) {
        const QIcon icon = images.windowIcon(layout.iconId);
        if (!icon.isNull()) setWindowIcon(icon);
    }

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    buildMenu();
    if (m_menuBar) box->setMenuBar(m_menuBar);
    m_client = new ClientArea(dialog, this);
    m_client->setMinimumSize(m_context.clientSize);
    m_client->installEventFilter(this);
    box->addWidget(m_client);
    if (!layout.resizable) box->setSizeConstraint(QLayout::SetFixedSize);

    buildControls();
    m_dialog.setObserver(this);
}

DialogView::~DialogView() {
    m_dialog.setObserver(nullptr);
}

void DialogView::buildMenu() {
    const auto& menus = m_dialog.layout().menu;
    if (menus.empty()) return;
    m_menuBar = new QMenuBar(this);
    for (const ui::MenuLayout& menu : menus) {
        QMenu* popup = m_menuBar->addMenu(ToQString(menu.title));
        for (const ui::MenuItemLayout& item : menu.items) {
            if (item.command == 0) {
                popup->addSeparator();
                continue;
            }
            QAction* action = popup->addAction(ToQString(item.text));
            const int command = item.command;
            connect(action, &QAction::triggered, this,
                    [this, command] { input([&] { m_dialog.click(command); }); });
            m_menuActions.emplace(command, action);
        }
    }
}

void DialogView::buildControls() {
    const auto& controls = m_dialog.layout().controls;
    m_entries.reserve(controls.size());
    for (const ui::ControlLayout& cl : controls) {
        Entry entry;
        entry.layoutControl.layout = cl;
        entry.layoutControl.text = cl.text;
        entry.layoutControl.enabled = !cl.style.disabled;
        entry.layoutControl.image = cl.images[0];
        entry.tracked = cl.id > 0 && m_dialog.has(cl.id) && !m_byId.contains(cl.id);
        entry.widget = CreateControlWidget(entry.layoutControl, m_client, m_context);
        if (entry.tracked) {
            m_byId.emplace(cl.id, m_entries.size());
            if (entry.widget) m_idOfWidget.emplace(entry.widget, cl.id);
        }
        if (entry.widget && IsStaticKind(cl.kind)) entry.widget->installEventFilter(this);
        if (entry.widget && entry.tracked) wire(cl.id, cl.kind, entry.widget);
        m_entries.push_back(std::move(entry));
    }
    // Statics lie under the controls, as their clicks pass through to the dialog.
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
        if (it->widget && IsStaticKind(it->layoutControl.kind())) it->widget->lower();
    assignBuddies();
    for (const Entry& entry : m_entries) syncEntry(entry);
}

void DialogView::assignBuddies() {
    // A label's mnemonic moves the focus to the next control that can take it.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        if (entry.layoutControl.kind() != ControlKind::Static) continue;
        if (!HasMnemonic(ToQString(entry.layoutControl.text))) continue;
        for (std::size_t k = i + 1; k < m_entries.size(); ++k) {
            if (m_entries[k].widget && TakesFocus(m_entries[k].layoutControl.kind())) {
                static_cast<QLabel*>(entry.widget)->setBuddy(m_entries[k].widget);
                break;
            }
        }
    }
}

QWidget* DialogView::widget(int id) const {
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : m_entries[it->second].widget;
}

QAction* DialogView::menuAction(int command) const {
    auto it = m_menuActions.find(command);
    return it == m_menuActions.end() ? nullptr : it->second;
}

void DialogView::syncEntry(const Entry& entry) {
    if (!entry.widget) return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    const QSignalBlocker blocker(entry.widget);
    const ui::Control& control =
        entry.tracked ? m_dialog.control(entry.layoutControl.id()) : entry.layoutControl;
    SyncControl(control, entry.widget, m_context);
}

void DialogView::sync(int id) {
    auto it = m_byId.find(id);
    if (it != m_byId.end()) syncEntry(m_entries[it->second]);
}

bool DialogView::acceptsInput() const {
    return !m_syncing && !m_dialog.hasEnded();
}

void DialogView::controlChanged(int id) {
    sync(id);
}

void DialogView::captionChanged() {
    setWindowTitle(ToQString(m_dialog.caption()));
}

void DialogView::invalidated() {
    m_client->update();
}

void DialogView::ended(int result) {
    done(result);
}

std::unique_ptr<QMenu> DialogView::createContextMenu() {
    if (m_dialog.contextMenu().empty()) return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    for (const ui::Dialog::ContextItem& item : m_dialog.contextMenu()) {
        QAction* action = menu->addAction(ToQString(item.text));
        const int command = item.command;
        connect(action, &QAction::triggered, this,
                [this, command] { input([&] { m_dialog.click(command); }); });
    }
    return menu;
}

void DialogView::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu = createContextMenu();
    if (!menu) return event->ignore();
    menu->exec(event->globalPos());
}

int DialogView::enterCommand() const {
    if (auto it = m_idOfWidget.find(focusWidget()); it != m_idOfWidget.end()) {
        const ControlKind kind = m_dialog.control(it->second).kind();
        if (kind == ControlKind::PushButton || kind == ControlKind::PictureButton)
            return it->second;
    }
    for (const Entry& entry : m_entries)
        if (entry.tracked && entry.layoutControl.kind() == ControlKind::PushButton &&
            entry.layoutControl.layout.style.defaultButton)
            return entry.layoutControl.id();
    return m_dialog.has(ui::IDOK) ? ui::IDOK : 0;
}

void DialogView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const int command = enterCommand();
        if (command != 0) input([&] { m_dialog.click(command); });
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);  // Esc comes back through reject()
}

void DialogView::reject() {
    input([&] { m_dialog.click(ui::IDCANCEL); });
}

// --- user input on the widgets, turned into the dialog's input calls ---------------------

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
