#pragma once

#include "parcels/parcelfile.h"
#include "parcels/parcelrecord.h"

#include <QPointer>
#include <QWidget>

class AddNumbersDialog;
class Clock;
class FileDialogs;
class MessageBoxes;
class ParcelBook;
class ParcelModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class ParcelFilter;
class QCheckBox;
class QTableView;
class QTreeWidget;
class RefreshEngine;

// The window "全部快件": every parcel of the history with its latest status, a filter, the selected
// parcel's stored steps, and the refresh's controls (全部查询, 停止, its progress, 自动查询). It asks
// the main window to open or delete a parcel and speaks only through its status line.
class OverviewWindow : public QWidget {
    Q_OBJECT
public:
    // `boxes` and `files` ask the user about an export or an import.
    OverviewWindow(ParcelBook &book, RefreshEngine &refresh, MessageBoxes &boxes, FileDialogs &files,
                   const Clock &clock, QWidget *parent = nullptr);

    void selectParcel(const ParcelKey &key);
    // Empty: what became of the record, why in its tooltip.
    void setStatus(const QString &text, const QString &why = QString());

signals:
    void openRequested(const ParcelKey &key); // 查看, Enter or a double-click
    void deleteRequested(const ParcelKey &key);

protected:
    void closeEvent(QCloseEvent *event) override; // keeps the window's, the table's and the split's layout

private:
    void buildControls();
    void buildSettings();
    void buildTable();
    void followArchive();
    void followRefresh();
    void layOut();
    void showRunning(bool running);
    void restoreLayout();
    void restoreColumns();
    void lookAgain();     // time may have archived parcels
    void countArchived(); // on the toggle that shows them
    void showContextMenu(const QPoint &position);
    void showSteps();
    void editNote();
    void openAddNumbers();
    void addNumbers(const QList<ParcelKey> &parcels);
    void exportList();
    void importList();
    void applyImport(const ParcelFile::Import &import); // once the user said yes to its summary
    void warn(const QString &text);                     // in a box over this window
    ParcelKey keyAt(const QModelIndex &index) const;
    ParcelKey selectedKey() const;

    ParcelBook &m_book;
    RefreshEngine &m_refresh;
    MessageBoxes &m_boxes;
    FileDialogs &m_files;
    const Clock &m_clock;
    ParcelModel *m_model;
    ParcelFilter *m_proxy;
    QLineEdit *m_filter = nullptr;
    QPushButton *m_refreshAll = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_addNumbers = nullptr;
    QPushButton *m_listFile = nullptr;
    QPointer<AddNumbersDialog> m_addDialog;
    QProgressBar *m_progress = nullptr;
    QComboBox *m_automatic = nullptr;
    QComboBox *m_archiveAfter = nullptr;
    QCheckBox *m_showArchived = nullptr;
    QTableView *m_view = nullptr;
    QTreeWidget *m_steps = nullptr;
    QSplitter *m_split = nullptr;
    QLabel *m_status = nullptr;
};
