#pragma once

#include <QObject>

class CMainFrame;

// The document-password commands of the toolbar: Lock Document, Unlock Document and Change
// Document Password, each enabled by the document's own rule.
class PasswordCommands : public QObject {
    Q_OBJECT
public:
    explicit PasswordCommands(CMainFrame& frame);

    void updateState();

private:
    CMainFrame& m_frame;
};
