#include "ui/Dialog.h"

#include "data/Text.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace veltrane::ui {

Dialog::Dialog(DialogLayout layout) : m_layout(std::move(layout)), m_caption(m_layout.caption) {
    m_controls.reserve(m_layout.controls.size());
    for (const ControlLayout& cl : m_layout.controls) {
        Control c;
        c.layout = cl;
        c.text = cl.text;
        c.enabled = !cl.style.disabled;
        c.image = cl.images[0];
        if (cl.id > 0 && !m_index.contains(cl.id)) m_index[cl.id] = m_controls.size();
        m_controls.push_back(std::move(c));
    }
}

void Dialog::bind(Message message, Notification notification, int id, Handler handler) {
    m_handlers[{message, notification, id}] = std::move(handler);
}

void Dialog::dispatch(Message message, Notification notification, int id) {
    auto it = m_handlers.find({message, notification, id});
    if (it != m_handlers.end()) {
        // Copy first: a handler may rebind or end the dialog while it runs.
        Handler handler = it->second;
        handler();
        return;
    }
    if (message == Message::Command && notification == Notification::Clicked &&
        (id == IDOK || id == IDCANCEL)) {
        end(id);
    }
}

// --- input ---------------------------------------------------------------------------------

void Dialog::initialize() {
    m_ended = false;
    dispatch(Message::InitDialog, Notification::None, 0);
}

void Dialog::typeInto(int id, std::string_view text) {
    if (!isEnabled(id) || control(id).layout.style.readOnly) return;
    setText(id, text);
}

void Dialog::leave(int id) {
    if (!has(id)) return;
    dispatch(Message::Command, Notification::KillFocus, id);
}

void Dialog::click(int id) {
    if (has(id)) {
        const Control& c = control(id);
        if (!c.enabled) return;
        if (c.kind() == ControlKind::RadioButton) checkRadio(id);
    }
    dispatch(Message::Command, Notification::Clicked, id);
}

void Dialog::moveSlider(int id, int position) {
    if (!isEnabled(id)) return;
    setSliderPos(id, position);
    dispatch(Message::HScroll, Notification::None, id);
}

void Dialog::stepSpin(int id, int delta) {
    if (!isEnabled(id)) return;
    const SpinState& s = control(id).spin;
    long next = static_cast<long>(s.pos) + delta;
    const int lo = std::min(s.min, s.max);
    const int hi = std::max(s.min, s.max);
    if (next < lo) next = lo;
    if (next > hi) next = hi;
    setSpinPos(id, static_cast<int>(next));
    dispatch(Message::HScroll, Notification::None, id);
}

void Dialog::selectEntry(int id, int index) {
    if (!isEnabled(id)) return;
    setSelection(id, index);
    dispatch(Message::Command, Notification::SelChange, id);
}

void Dialog::doubleClick(Point point, KeyState keys) {
    if (m_doubleClick) m_doubleClick(point, keys);
}

void Dialog::paint(Canvas& canvas) {
    if (m_paint) m_paint(canvas);
}

// --- state ---------------------------------------------------------------------------------

bool Dialog::has(int id) const {
    return m_index.contains(id);
}

const Control& Dialog::control(int id) const {
    auto it = m_index.find(id);
    if (it == m_index.end()) throw std::out_of_range("no control " + std::to_string(id));
    return m_controls[it->second];
}

Control& Dialog::at(int id) {
    return const_cast<Control&>(std::as_const(*this).control(id));
}

void Dialog::restore(const State& state) {
    if (state.controls.size() != m_controls.size())
        throw std::invalid_argument("restore: the state of another window");
    m_caption = state.caption;
    m_controls = state.controls;
    m_contextMenu = state.contextMenu;
    m_ended = state.ended;
    m_result = state.result;
    if (m_observer) {
        for (const Control& c : m_controls)
            if (c.id() > 0) m_observer->controlChanged(c.id());
        m_observer->captionChanged();
        m_observer->contextMenuChanged();
    }
}

void Dialog::changed(int id) {
    if (m_observer) m_observer->controlChanged(id);
}

std::string Dialog::text(int id) const {
    const Control& c = control(id);
    if (c.kind() == ControlKind::ComboBox) {
        const auto& cb = c.combo;
        if (cb.selection >= 0 && cb.selection < static_cast<int>(cb.items.size()))
            return cb.items[cb.selection];
        return {};
    }
    return c.text;
}

void Dialog::setText(int id, std::string_view text) {
    Control& c = at(id);
    const bool differs = c.text != text;
    if (differs) {
        c.text = std::string(text);
        changed(id);  // a label set to what it shows already is not redrawn
    }
    if (c.kind() == ControlKind::Edit) dispatch(Message::Command, Notification::Change, id);
}

void Dialog::setFont(int id, const Font& font) {
    Control& c = at(id);
    if (c.font == font) return;
    c.font = font;
    changed(id);
}

void Dialog::setToolTip(int id, std::string_view text) {
    at(id).toolTip = std::string(text);
    changed(id);
}

void Dialog::enable(int id, bool enabled) {
    Control& c = at(id);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    changed(id);
}

bool Dialog::isEnabled(int id) const {
    return control(id).enabled;
}

bool Dialog::isChecked(int id) const {
    return control(id).checked;
}

void Dialog::setChecked(int id, bool checked) {
    Control& c = at(id);
    if (c.checked == checked) return;
    c.checked = checked;
    changed(id);
}

void Dialog::clearGroupOf(int id) {
    const std::size_t me = m_index.at(id);
    std::size_t first = me;
    while (first > 0 && !m_controls[first].layout.style.group) --first;
    std::size_t last = me + 1;
    while (last < m_controls.size() && !m_controls[last].layout.style.group) ++last;
    for (std::size_t k = first; k < last; ++k) {
        Control& c = m_controls[k];
        if (k != me && c.kind() == ControlKind::RadioButton && c.checked) {
            c.checked = false;
            changed(c.id());
        }
    }
}

void Dialog::checkRadio(int id) {
    clearGroupOf(id);
    setChecked(id, true);
}

void Dialog::setSliderRange(int id, int min, int max) {
    SliderState& s = at(id).slider;
    s.min = min;
    s.max = max;
    s.pos = std::clamp(s.pos, std::min(min, max), std::max(min, max));
    changed(id);
}

void Dialog::setSliderPos(int id, int position) {
    SliderState& s = at(id).slider;
    const int held = std::clamp(position, std::min(s.min, s.max), std::max(s.min, s.max));
    if (s.pos == held) return;
    s.pos = held;
    changed(id);
}

int Dialog::sliderPos(int id) const {
    return control(id).slider.pos;
}

void Dialog::setSliderTicks(int id, int frequency) {
    at(id).slider.tickFrequency = frequency;
    changed(id);
}

void Dialog::setSliderPage(int id, int pageSize) {
    at(id).slider.pageSize = pageSize;
    changed(id);
}

void Dialog::setSliderLine(int id, int lineSize) {
    at(id).slider.lineSize = lineSize;
    changed(id);
}

void Dialog::setSliderSelection(int id, int start, int end) {
    SliderState& s = at(id).slider;
    s.selStart = start;
    s.selEnd = end;
    changed(id);
}

void Dialog::setSpinRange(int id, int min, int max) {
    SpinState& s = at(id).spin;
    s.min = min;
    s.max = max;
    changed(id);
}

void Dialog::setSpinPos(int id, int position) {
    SpinState& s = at(id).spin;
    const auto low16 = static_cast<std::int16_t>(static_cast<std::uint16_t>(position & 0xFFFF));
    if (s.pos == low16) return;
    s.pos = low16;
    changed(id);
}

int Dialog::spinPos(int id) const {
    return control(id).spin.pos;
}

void Dialog::setSpinAccel(int id, std::vector<SpinAccel> accel) {
    at(id).spin.accel = std::move(accel);
    changed(id);
}

void Dialog::clearEntries(int id) {
    ComboState& cb = at(id).combo;
    cb.items.clear();
    cb.selection = -1;
    changed(id);
}

void Dialog::addEntry(int id, std::string_view text) {
    at(id).combo.items.emplace_back(text);
    changed(id);
}

int Dialog::selection(int id) const {
    return control(id).combo.selection;
}

void Dialog::setSelection(int id, int index) {
    ComboState& cb = at(id).combo;
    if (index < -1 || index >= static_cast<int>(cb.items.size())) index = -1;
    if (cb.selection == index) return;
    cb.selection = index;
    changed(id);
}

int Dialog::selectByPrefix(int id, std::string_view text) {
    const ComboState& cb = control(id).combo;
    for (std::size_t k = 0; k < cb.items.size(); ++k) {
        if (StartsWithIgnoringCase(cb.items[k], text)) {
            setSelection(id, static_cast<int>(k));
            return static_cast<int>(k);
        }
    }
    return -1;
}

void Dialog::setProgressRange(int id, int min, int max) {
    ProgressState& p = at(id).progress;
    p.min = min;
    p.max = max;
    changed(id);
}

void Dialog::setProgressPos(int id, int position) {
    ProgressState& p = at(id).progress;
    if (p.pos == position) return;
    p.pos = position;
    changed(id);
}

void Dialog::setImage(int id, int imageId) {
    Control& c = at(id);
    if (c.image == imageId) return;
    c.image = imageId;
    changed(id);
}

void Dialog::openClip(int id, int clip) {
    AnimationState& a = at(id).animation;
    a.clip = clip;
    a.playing = false;
    changed(id);
}

void Dialog::playClip(int id, int from, int to, int repeat) {
    AnimationState& a = at(id).animation;
    a.from = from;
    a.to = to;
    a.repeat = repeat;
    a.playing = a.clip != 0;
    ++a.playCount;
    changed(id);
}

void Dialog::setTableColumns(int id, std::vector<TableColumn> columns) {
    TableState& t = at(id).table;
    if (t.columns == columns) return;
    t.columns = std::move(columns);
    changed(id);
}

void Dialog::setTableRows(int id, std::vector<std::vector<std::string>> rows) {
    TableState& t = at(id).table;
    if (t.rows == rows) return;
    t.rows = std::move(rows);
    changed(id);
}

void Dialog::setCaption(std::string_view caption) {
    if (m_caption == caption) return;
    m_caption = std::string(caption);
    if (m_observer) m_observer->captionChanged();
}

void Dialog::addContextMenuItem(int command, std::string_view text) {
    m_contextMenu.push_back({command, std::string(text)});
    if (m_observer) m_observer->contextMenuChanged();
}

void Dialog::invalidate() {
    if (m_observer) m_observer->invalidated();
}

void Dialog::end(int result) {
    m_ended = true;
    m_result = result;
    if (m_observer) m_observer->ended(result);
}

}  // namespace veltrane::ui
