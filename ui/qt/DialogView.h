// The real window of a ui::Dialog: widgets built from its layout and kept in step with it.
#pragma once

#include <QDialog>
#include <QFont>
#include <map>
#include <memory>
#include <vector>

#include "ui/Dialog.h"
#include "ui/qt/ControlFactory.h"

class QMenu;
class QMenuBar;

namespace veltrane::qt {

class ClientArea;
class ImageStore;

// One view serves every window. A change the window logic makes to a control redraws that
// control's widget only; what the user does on a widget becomes one of the dialog's input calls
// (typeInto, leave, click, moveSlider, stepSpin, selectEntry, doubleClick). Updates going to the
// widgets are fenced off, so they never come back as input.
class DialogView : public QDialog, private ui::DialogObserver {
    Q_OBJECT
public:
    DialogView(ui::Dialog& dialog, ImageStore& images, QWidget* parent = nullptr);
    ~DialogView() override;

    ui::Dialog& dialog() const { return m_dialog; }
    ClientArea* clientArea() const { return m_client; }
    // The widget of a control, null when the layout has no such id.
    QWidget* widget(int id) const;
    template <class W>
    W* widgetAs(int id) const {
        return qobject_cast<W*>(widget(id));
    }
    QMenuBar* menuBar() const { return m_menuBar; }  // null without a menu
    QAction* menuAction(int command) const;          // null when no item has the command
    // A fresh context menu from the dialog's items; null when it has none.
    std::unique_ptr<QMenu> createContextMenu();
    // The command Enter gives now: the focused push button, else the default button, else
    // button 1 when there is one; 0 for none.
    int enterCommand() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void reject() override;  // Esc and the close box: the dialog's Cancel

private:
    struct Entry {
        ui::Control layoutControl;  // the control as laid out, for ids the dialog does not track
        QWidget* widget = nullptr;
        bool tracked = false;  // the dialog answers for this id
    };

    // ui::DialogObserver
    void controlChanged(int id) override;
    void captionChanged() override;
    void contextMenuChanged() override {}
    void invalidated() override;
    void ended(int result) override;

    void buildMenu();
    void buildControls();
    void assignBuddies();
    void wire(int id, ui::ControlKind kind, QWidget* widget);
    // The radio button an arrow key moves to from `id` within its group; 0 for none.
    int radioNeighbour(int id, int step) const;
    void syncEntry(const Entry& entry);
    void sync(int id);
    bool acceptsInput() const;
    template <class F>
    void input(F&& call) {
        if (acceptsInput()) call();
    }

    ui::Dialog& m_dialog;
    QFont m_font;
    ControlContext m_context;
    ClientArea* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    std::vector<Entry> m_entries;                // layout order
    std::map<int, std::size_t> m_byId;           // tracked ids only
    std::map<const QObject*, int> m_idOfWidget;  // tracked widgets only
    std::map<int, QAction*> m_menuActions;
    bool m_syncing = false;
};

}  // namespace veltrane::qt
