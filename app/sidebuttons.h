#pragma once

#include "platform/endpoints.h"
#include "platform/platform.h"
#include "platform/programfolders.h"

#include <QObject>

class QAbstractItemModel;
class QPushButton;
class QWidget;

// The column of buttons at the main window's right: 导出信息 writes the result list to a file
// beside the history; 关于程序, Orvo系列软件 and 网点信息查询 open the about box, the forum and the
// outlet lookup. Each dialog is made when it is shown and gone when it closes, so every opening
// starts fresh.
class SideButtons : public QObject {
    Q_OBJECT
public:
    struct Buttons {
        QPushButton *exportButton;
        QPushButton *aboutButton;
        QPushButton *forumButton;
        QPushButton *outletButton;
    };
    // `windowBoxes` are the main window's, for the export's box; the outlet lookup has its own.
    SideButtons(Buttons buttons, const QAbstractItemModel &results, MessageBoxes &windowBoxes,
                const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
                QWidget *window);

signals:
    void message(const QString &text); // for the message line

private:
    void exportResults();
    void openAbout();
    void openForum();
    void openOutletLookup();

    const QAbstractItemModel &m_results;
    MessageBoxes &m_windowBoxes;
    Platform m_platform;
    Endpoints m_endpoints;
    ProgramFolders m_folders;
    QWidget *m_window;
};
