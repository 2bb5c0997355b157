#pragma once

#include <QSettings>
#include <QStringList>

#include <memory>
#include <optional>

class CMainFrame;
class CQuorrilDoc;
class Preferences;
class RecentFileList;
class UiPrompts;

// The application: its settings with the recent-document list, the one document and the main
// window, made once at start-up and kept until the program ends.
class CQuorrilApp {
public:
    // The settings of the program ("Tarnwell", "Quorril"), or others given by a test.
    explicit CQuorrilApp(UiPrompts& prompts, std::unique_ptr<QSettings> settings = nullptr);
    ~CQuorrilApp();

    // Start-up with the command line (program name first): "quorril [FILE]", --help, --version.
    // Returns the exit status when the program must end at once (help or version shown, a bad
    // command line); nothing when the window is shown, which holds a new document when the one
    // given could not be opened.
    std::optional<int> InitInstance(const QStringList& arguments);

    CQuorrilDoc& document() const { return *m_doc; }
    CMainFrame* mainFrame() const { return m_frame.get(); }
    RecentFileList& recentFiles() const { return *m_recentFiles; }
    Preferences& preferences() const { return *m_preferences; }

private:
    UiPrompts& m_prompts;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<RecentFileList> m_recentFiles;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<CQuorrilDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};
