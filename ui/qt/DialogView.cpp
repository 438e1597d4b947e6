#include "ui/qt/DialogView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/qt/ClientArea.h"
#include "ui/qt/ControlSync.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/ImageStore.h"
#include "ui/qt/QtText.h"

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

}  // namespace veltrane::qt
