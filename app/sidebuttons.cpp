#include "app/sidebuttons.h"

#include "about/aboutdialog.h"
#include "common/texts.h"
#include "outlet/outletdialog.h"
#include "tracking/resultexport.h"

#include <QPushButton>

SideButtons::SideButtons(Buttons buttons, const QAbstractItemModel &results, MessageBoxes &windowBoxes,
                         const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
                         QWidget *window)
    : QObject(window), m_results(results), m_windowBoxes(windowBoxes), m_platform(platform),
      m_endpoints(endpoints), m_folders(folders), m_window(window)
{
    connect(buttons.exportButton, &QPushButton::clicked, this, &SideButtons::exportResults);
    connect(buttons.forumButton, &QPushButton::clicked, this, &SideButtons::openForum);
    connect(buttons.aboutButton, &QPushButton::clicked, this, &SideButtons::openAbout);
    connect(buttons.outletButton, &QPushButton::clicked, this, &SideButtons::openOutletLookup);
}

void SideButtons::exportResults()
{
    const ResultExport::Told told = ResultExport::told(
        ResultExport::write(m_results, m_folders.dataFile(QStringLiteral("物流信息.txt"))));
    m_windowBoxes.show(
        {Texts::boxTitle(), told.box, BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
    emit message(told.messageLine);
}

void SideButtons::openAbout()
{
    AboutDialog dialog(m_platform.shell, m_endpoints.forumUrl, m_window);
    dialog.exec();
}

void SideButtons::openForum()
{
    m_platform.shell.openUrl(m_endpoints.forumUrl);
}

void SideButtons::openOutletLookup()
{
    OutletDialog dialog(m_platform.fetch, m_endpoints.outletHost, m_platform.boxes, m_window);
    dialog.exec();
}
