// A window as data: controls keyed by id, handlers bound to (message, notification, id).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/DialogLayout.h"

namespace veltrane::ui {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

enum class Message { InitDialog, Command, HScroll };
enum class Notification { None, Clicked, Change, KillFocus, SelChange };

struct KeyState {
    bool shift = false;
    bool control = false;
};

// Told of every change the window logic makes, so a real window can follow.
class DialogObserver {
public:
    virtual ~DialogObserver() = default;
    virtual void controlChanged(int id) = 0;
    virtual void captionChanged() = 0;
    virtual void contextMenuChanged() = 0;
    virtual void invalidated() = 0;  // the whole window is to be repainted
    virtual void ended(int result) = 0;
};

class Dialog {
public:
    using Handler = std::function<void()>;
    using PaintHandler = std::function<void(Canvas&)>;
    using DoubleClickHandler = std::function<void(Point, KeyState)>;

    explicit Dialog(DialogLayout layout);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogLayout& layout() const { return m_layout; }
    void setObserver(DialogObserver* observer) { m_observer = observer; }

    // --- binding ---------------------------------------------------------------------------
    void bind(Message message, Notification notification, int id, Handler handler);
    void onInit(Handler handler) { bind(Message::InitDialog, Notification::None, 0, handler); }
    void onClick(int id, Handler handler) {
        bind(Message::Command, Notification::Clicked, id, handler);
    }
    void onChange(int id, Handler handler) {
        bind(Message::Command, Notification::Change, id, handler);
    }
    void onLeave(int id, Handler handler) {
        bind(Message::Command, Notification::KillFocus, id, handler);
    }
    void onSelect(int id, Handler handler) {
        bind(Message::Command, Notification::SelChange, id, handler);
    }
    void onScroll(int id, Handler handler) {
        bind(Message::HScroll, Notification::None, id, handler);
    }
    void onPaint(PaintHandler handler) { m_paint = std::move(handler); }
    void onDoubleClick(DoubleClickHandler handler) { m_doubleClick = std::move(handler); }

    // --- user input: the one way in, for the real window and for tests alike ---------------
    void initialize();                             // the window has just been created
    void typeInto(int id, std::string_view text);  // replaces an edit's text, as typing
    void leave(int id);                            // an edit loses the keyboard focus
    void click(int id);                            // button, radio button or menu command
    void moveSlider(int id, int position);         // thumb dragged or keyed
    void stepSpin(int id, int delta);              // arrow pressed, delta positions
    void selectEntry(int id, int index);           // drop-down entry picked
    void doubleClick(Point point, KeyState keys);  // client pixels
    void paint(Canvas& canvas);

    // --- state for the window logic --------------------------------------------------------
    bool has(int id) const;
    const Control& control(int id) const;

    std::string text(int id) const;
    void setText(int id, std::string_view text);  // an edit hears its change notification first
    void setFont(int id, const Font& font);
    void setToolTip(int id, std::string_view text);
    void enable(int id, bool enabled);
    bool isEnabled(int id) const;

    bool isChecked(int id) const;
    void setChecked(int id, bool checked);
    void checkRadio(int id);  // checks it and clears the rest of its group, without notifying

    void setSliderRange(int id, int min, int max);
    void setSliderPos(int id, int position);  // held inside the range
    int sliderPos(int id) const;
    void setSliderTicks(int id, int frequency);
    void setSliderPage(int id, int pageSize);
    void setSliderLine(int id, int lineSize);
    void setSliderSelection(int id, int start, int end);

    void setSpinRange(int id, int min, int max);
    void setSpinPos(int id, int position);  // keeps the low 16 bits
    int spinPos(int id) const;
    void setSpinAccel(int id, std::vector<SpinAccel> accel);

    void clearEntries(int id);
    void addEntry(int id, std::string_view text);
    int selection(int id) const;  // -1: none
    void setSelection(int id, int index);
    // Selects the first entry, in list order, that begins with text, ignoring case; -1 if none.
    int selectByPrefix(int id, std::string_view text);

    void setProgressRange(int id, int min, int max);
    void setProgressPos(int id, int position);
    void setImage(int id, int imageId);

    void openClip(int id, int clip);  // stops whatever played
    void playClip(int id, int from, int to, int repeat);

    void setTableColumns(int id, std::vector<TableColumn> columns);
    void setTableRows(int id, std::vector<std::vector<std::string>> rows);

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string_view caption);

    struct ContextItem {
        int command;
        std::string text;
    };
    const std::vector<ContextItem>& contextMenu() const { return m_contextMenu; }
    void addContextMenuItem(int command, std::string_view text);

    void invalidate();  // repaint the whole window

    // Everything the window shows, and whether it has ended; not the handlers bound to it.
    // A window started many times over from one state puts that state back with restore()
    // rather than build and set it up again (veltrane-calc's batches).
    struct State {
        std::string caption;
        std::vector<Control> controls;
        std::vector<ContextItem> contextMenu;
        bool ended = false;
        int result = 0;
    };
    State state() const { return {m_caption, m_controls, m_contextMenu, m_ended, m_result}; }
    void restore(const State& state);

    void end(int result);
    bool hasEnded() const { return m_ended; }
    int result() const { return m_result; }

private:
    Control& at(int id);
    void dispatch(Message message, Notification notification, int id);
    void changed(int id);
    void clearGroupOf(int id);

    DialogLayout m_layout;
    std::string m_caption;
    std::vector<Control> m_controls;  // layout order
    std::map<int, std::size_t> m_index;
    std::map<std::tuple<Message, Notification, int>, Handler> m_handlers;
    PaintHandler m_paint;
    DoubleClickHandler m_doubleClick;
    std::vector<ContextItem> m_contextMenu;
    DialogObserver* m_observer = nullptr;
    bool m_ended = false;
    int m_result = 0;
};

}  // namespace veltrane::ui
