// The real host: Qt windows run modally, message boxes, the print dialog, help and the editor.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "ui/Host.h"
#include "ui/qt/ImageStore.h"

class QPrinter;

namespace veltrane::qt {

class DialogView;

class QtHost : public ui::Host {
public:
    QtHost() = default;

    int runModal(ui::Dialog& dialog) override;
    void messageBox(const std::string& text, const std::string& caption,
                    ui::MessageIcon icon) override;
    ui::PrinterChoice choosePrinter(const std::string& fileName) override;
    void openHelp(const std::filesystem::path& file, const std::string& anchor,
                  LaunchFailed failed) override;
    void startEditor(const std::filesystem::path& file, LaunchFailed failed) override;

    std::filesystem::path workFolder() override;
    std::filesystem::path programFile() override;
    std::filesystem::path currentFolder() override;
    std::optional<std::uint64_t> freePhysicalMemory() override;
    std::optional<std::uint64_t> freeDiskSpace(const std::filesystem::path& folder) override;

    // The innermost open window, null when none is open.
    DialogView* activeView() const;
    // The innermost open window already on screen, null when there is none.
    DialogView* shownView() const;
    // The open window of a dialog, null when it is not open.
    DialogView* viewOf(const ui::Dialog& dialog) const;

    // Called with every window once it is on screen, inside its modal loop: the place from
    // which a test drives a real window as a person would.
    using ShownHook = std::function<void(DialogView&)>;
    void setShownHook(ShownHook hook) { m_shownHook = std::move(hook); }

    ImageStore& images() { return m_images; }

protected:
    // The print dialog on a printer set up beforehand; false when it was cancelled.
    virtual bool askForPrinter(QPrinter& printer);
    // Starts a program without a shell and without waiting for it; its end is watched from
    // the event loop, and `failed` runs there when it could not start or ended badly.
    virtual void launch(const QString& program, const QStringList& arguments, LaunchFailed failed);

private:
    ImageStore m_images;
    std::vector<DialogView*> m_open;  // innermost last
    ShownHook m_shownHook;
};

}  // namespace veltrane::qt
