#include "tests/support/FakeHost.h"

#include "tests/support/WindowFiles.h"

#include <fstream>
#include <sstream>

namespace veltrane::testing {

namespace {

// Hands the printout a printer it may destroy while the test keeps the recorded page.
class SharedPrinter : public ui::Printer {
public:
    explicit SharedPrinter(std::shared_ptr<RecordingPrinter> target)
        : m_target(std::move(target)) {}
    void selectPen(const ui::Pen& pen) override { m_target->selectPen(pen); }
    void selectBrush(const ui::Brush& brush) override { m_target->selectBrush(brush); }
    void rectangle(int l, int t, int r, int b) override { m_target->rectangle(l, t, r, b); }
    void fillRect(const ui::Rect& rect, const ui::Brush& brush) override {
        m_target->fillRect(rect, brush);
    }
    void moveTo(int x, int y) override { m_target->moveTo(x, y); }
    void lineTo(int x, int y) override { m_target->lineTo(x, y); }
    void setViewportOrigin(int x, int y) override { m_target->setViewportOrigin(x, y); }
    void textOut(int x, int y, std::string_view text) override { m_target->textOut(x, y, text); }
    ui::TextMetrics textMetrics() override { return m_target->textMetrics(); }
    bool startDoc(const std::string& name) override { return m_target->startDoc(name); }
    bool startPage() override { return m_target->startPage(); }
    bool endPage() override { return m_target->endPage(); }
    bool endDoc() override { return m_target->endDoc(); }

private:
    std::shared_ptr<RecordingPrinter> m_target;
};

}  // namespace

FakeHost::FakeHost() = default;
FakeHost::~FakeHost() = default;

void FakeHost::expect(int dialogId, Script script) {
    m_scripts[dialogId].push_back(std::move(script));
}

void FakeHost::writeFile(const std::string& name, const std::string& bytes) {
    m_files[name] = bytes;
}

std::string FakeHost::readFile(const std::string& name) const {
    const auto file = m_files.find(name);
    return file == m_files.end() ? std::string() : file->second;
}

void FakeHost::layShippedLists() {
    for (const char* name : kShippedLists) writeFile(name, ShippedList(name));
}

std::string FakeHost::readWorkFile(const std::string& name) {
    return TextOfFileBytes(m_files[name]);
}

bool FakeHost::writeWorkFile(const std::string& name, const std::vector<std::string>& lines,
                             Durability) {
    if (unwritable.contains(name)) return false;
    m_files[name] = FileBytesOfLines(lines);
    if (afterSave) afterSave(name);
    return true;
}

int FakeHost::runModal(ui::Dialog& dialog) {
    opened.push_back(dialog.layout().id);
    dialog.initialize();
    auto& queue = m_scripts[dialog.layout().id];
    if (!queue.empty()) {
        Script script = std::move(queue.front());
        queue.pop_front();
        if (!dialog.hasEnded()) script(dialog);
    }
    if (!dialog.hasEnded()) dialog.end(ui::IDCANCEL);
    return dialog.result();
}

void FakeHost::messageBox(const std::string& text, const std::string& caption,
                          ui::MessageIcon icon) {
    messages.push_back({text, caption, icon});
}

ui::PrinterChoice FakeHost::choosePrinter(const std::string& fileName) {
    printFiles.push_back(fileName);
    ui::PrinterChoice choice;
    choice.outcome = printOutcome;
    if (printOutcome == ui::PrinterChoice::Outcome::Chosen) {
        auto page = std::make_shared<RecordingPrinter>();
        page->page.metrics = printerMetrics;
        page->begins = printerBegins;
        page->finishes = printerFinishes;
        printed.push_back(page);
        choice.printer = std::make_unique<SharedPrinter>(page);
    }
    return choice;
}

void FakeHost::openHelp(const std::filesystem::path& file, const std::string& anchor,
                        LaunchFailed failed) {
    helps.push_back({file, anchor});
    if (helpStarts)
        m_running.push_back(std::move(failed));
    else
        failed();
}

void FakeHost::startEditor(const std::filesystem::path& file, LaunchFailed failed) {
    editors.push_back(file);
    if (editorStarts)
        m_running.push_back(std::move(failed));
    else
        failed();
}

void FakeHost::failRunningLaunches() {
    std::vector<LaunchFailed> running = std::move(m_running);
    m_running.clear();
    for (LaunchFailed& failed : running) failed();
}

std::optional<std::uint64_t> FakeHost::freeDiskSpace(const std::filesystem::path& folder) {
    diskQueries.push_back(folder);
    return diskAnswer;
}

}  // namespace veltrane::testing
