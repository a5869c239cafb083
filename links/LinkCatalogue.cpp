#include "LinkCatalogue.h"

#include "forms/MenuBuilder.h"

#include <QAction>
#include <QCoreApplication>
#include <array>
#include <optional>

namespace vyx::links {

namespace {

struct SitePath {
    Site site;
    const char* path;
};

constexpr std::array<SitePath, kSiteCount> kPaths{{
    {Site::Home, ""},
    {Site::FreeDownloads, "Free_Downloads.htm"},
    {Site::Store, "store.htm"},
    {Site::Product, "prod02.htm"},
    {Site::Catalog, "catalog.htm"},
    {Site::Feedback, "Feedback.htm"},
    {Site::PlayerNews, "vyx_news.htm"},
    {Site::PalFinder, "palfinder.htm"},
    {Site::TrialDatabase, "trialversion/setup.exe"},
    {Site::TrialProfessional, "tessaline_release/tessalinepro_setup.exe"},
    {Site::TrialPhonebook2, "pb2trial/pb2_setup.exe"},
    {Site::TrialVyxDatabase, "vyxdbtrial/vyxdb_setup.exe"},
    {Site::PixSqueeze, "PixSqueezeTrial/setup.exe"},
    {Site::PellumDownloader, "PellumDownTrial/setup.exe"},
    {Site::PellumCrawler, "PellumCrawlerTrial/setup.exe"},
    {Site::PellumDraw, "PellumDrawTrial/setup.exe"},
    {Site::PellumMailer, "PellumMailerTrial/setup.exe"},
    {Site::PellumBrowser, "PellumBrowserTrial/setup.exe"},
    {Site::PellumSolitaire, "PellumSolTrial/setup.exe"},
    {Site::FreePhonebook, "VyxFree/VyxPhonebook.exe"},
    {Site::FreeEditor, "VyxFree/VyxEditor.exe"},
    {Site::FreeNewsFeeder, "VyxFree/VyxNews.exe"},
    {Site::FreeSurfer, "VyxFree/VyxSurfer.exe"},
    {Site::FreePlayer, "VyxFree/VyxPlayer.exe"},
    {Site::FreeGames, "VyxFree/VyxGames2.exe"},
    {Site::TechNews, "tech_news.htm"},
    {Site::EntertainmentNews, "entertainment_news.htm"},
    {Site::BusinessNews, "business_news.htm"},
    {Site::SportsNews, "sports_news.htm"},
    {Site::WorldNews, "world_news.htm"},
}};

constexpr Item link(int depth, const char* name, const char* caption, Site site) {
    return {depth, Kind::Link, name, caption, site};
}
constexpr Item submenu(const char* name, const char* caption) {
    return {0, Kind::Submenu, name, caption, Site::Home};
}
constexpr Item separator(int depth, const char* name) {
    return {depth, Kind::Separator, name, "", Site::Home};
}
constexpr Item disabled(int depth, const char* name, const char* caption) {
    return {depth, Kind::Disabled, name, caption, Site::Home};
}

// The main window's three items for the publisher's own free programs open the same downloads
// as the browser window's items for those programs.
constexpr std::array kMain{
    link(0, "mnuFree", QT_TRANSLATE_NOOP("vyx::links", "&Free Downloads Page"),
         Site::FreeDownloads),
    submenu("mnuTrial", QT_TRANSLATE_NOOP("vyx::links", "&Trial Downloads")),
    link(1, "mnuTDA", QT_TRANSLATE_NOOP("vyx::links", "Tessaline &Database Application (11.1MB)"),
         Site::TrialDatabase),
    link(1, "mnuTP", QT_TRANSLATE_NOOP("vyx::links", "Tessaline &Professional Database (12.1MB)"),
         Site::TrialProfessional),
    disabled(1, "mnuTS", QT_TRANSLATE_NOOP("vyx::links", "Tessaline &Server")),
    separator(1, "l11"),
    link(1, "mnuCompress", QT_TRANSLATE_NOOP("vyx::links", "P&ixSqueeze (820KB)"),
         Site::PixSqueeze),
    link(1, "mnuDown", QT_TRANSLATE_NOOP("vyx::links", "Pe&llumDownloader (215KB)"),
         Site::PellumDownloader),
    link(1, "mnuCrawl", QT_TRANSLATE_NOOP("vyx::links", "PellumCra&wler (217KB)"),
         Site::PellumCrawler),
    link(1, "mnuDraw", QT_TRANSLATE_NOOP("vyx::links", "PellumD&raw (324KB)"), Site::PellumDraw),
    link(1, "mnuMailer", QT_TRANSLATE_NOOP("vyx::links", "Pellum&Mailer (219KB)"),
         Site::PellumMailer),
    link(1, "mnuBrowse", QT_TRANSLATE_NOOP("vyx::links", "Pellum&Browser (206KB)"),
         Site::PellumBrowser),
    link(1, "mnuSol", QT_TRANSLATE_NOOP("vyx::links", "PellumSolitair&e (539KB)"),
         Site::PellumSolitaire),
    separator(1, "l12"),
    link(1, "mnuPlayer", QT_TRANSLATE_NOOP("vyx::links", "Vyx Player (348KB)"), Site::FreePlayer),
    link(1, "mnuSurfer", QT_TRANSLATE_NOOP("vyx::links", "Vyx Surfer (116KB)"), Site::FreeSurfer),
    link(1, "mnuEditor", QT_TRANSLATE_NOOP("vyx::links", "Vyx Editor (216KB)"), Site::FreeEditor),
    link(1, "mnuPB", QT_TRANSLATE_NOOP("vyx::links", "Vyx Phonebook (412KB)"), Site::FreePhonebook),
    separator(0, "l2"),
    link(0, "mnuHome", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Home"), Site::Home),
    link(0, "mnuStore", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Store"), Site::Store),
};

constexpr std::array kPlayer{
    link(0, "mnuProduct", QT_TRANSLATE_NOOP("vyx::links", "&Product Page"), Site::Product),
    link(0, "mnuHome", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Home"), Site::Home),
    link(0, "mnuCatalog", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Catalog"), Site::Catalog),
    link(0, "mnuStore", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Store"), Site::Store),
    link(0, "mnuFeedback", QT_TRANSLATE_NOOP("vyx::links", "Support/&Feedback"), Site::Feedback),
    separator(0, "li4"),
    link(0, "mnuNews", QT_TRANSLATE_NOOP("vyx::links", "Today's &News"), Site::PlayerNews),
};

constexpr std::array kBrowser{
    link(0, "mnuProduct", QT_TRANSLATE_NOOP("vyx::links", "Product &Page"), Site::Product),
    link(0, "mnuPublisher", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Home"), Site::Home),
    link(0, "mnuCatalog", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Catalog"), Site::Catalog),
    link(0, "mnuStore", QT_TRANSLATE_NOOP("vyx::links", "Publisher &Store"), Site::Store),
    link(0, "mnuFeedback", QT_TRANSLATE_NOOP("vyx::links", "Support/&Feedback"), Site::Feedback),
    separator(0, "l67"),
    submenu("mnuTrial", QT_TRANSLATE_NOOP("vyx::links", "&Database Trial Downloads")),
    link(1, "mnTDA", QT_TRANSLATE_NOOP("vyx::links", "Tessaline Database Application (11.1MB)"),
         Site::TrialDatabase),
    link(1, "mnuTP", QT_TRANSLATE_NOOP("vyx::links", "Tessaline Professional Database (12.1MB)"),
         Site::TrialProfessional),
    disabled(1, "mnuTS", QT_TRANSLATE_NOOP("vyx::links", "Tessaline Server")),
    link(1, "mnuPb2", QT_TRANSLATE_NOOP("vyx::links", "Vyx Phonebook2 (9.12MB)"),
         Site::TrialPhonebook2),
    link(1, "mnuVyxDB", QT_TRANSLATE_NOOP("vyx::links", "Vyx Database (12MB)"),
         Site::TrialVyxDatabase),
    submenu("mnuPellum", QT_TRANSLATE_NOOP("vyx::links", "P&ellum Demo Downloads")),
    link(1, "mnuCompress", QT_TRANSLATE_NOOP("vyx::links", "PixSqueeze (820KB)"), Site::PixSqueeze),
    link(1, "mnuDown", QT_TRANSLATE_NOOP("vyx::links", "PellumDownloader (215KB)"),
         Site::PellumDownloader),
    link(1, "mnuCrawl", QT_TRANSLATE_NOOP("vyx::links", "PellumCrawler (217KB)"),
         Site::PellumCrawler),
    link(1, "mnuDraw", QT_TRANSLATE_NOOP("vyx::links", "PellumDraw (324KB)"), Site::PellumDraw),
    link(1, "mnuMailer", QT_TRANSLATE_NOOP("vyx::links", "PellumMailer (219KB)"),
         Site::PellumMailer),
    link(1, "mnuBrowse", QT_TRANSLATE_NOOP("vyx::links", "PellumBrowser (206KB)"),
         Site::PellumBrowser),
    link(1, "mnuSol", QT_TRANSLATE_NOOP("vyx::links", "PellumSolitaire (539KB)"),
         Site::PellumSolitaire),
    submenu("mnuPrograms", QT_TRANSLATE_NOOP("vyx::links", "Free Downlo&ads")),
    link(1, "mnuPhonebook", QT_TRANSLATE_NOOP("vyx::links", "Vyx Phonebook Free (424KB)"),
         Site::FreePhonebook),
    link(1, "mnuEditor", QT_TRANSLATE_NOOP("vyx::links", "Vyx Editor Free (432KB)"),
         Site::FreeEditor),
    link(1, "mnuNewsFeed", QT_TRANSLATE_NOOP("vyx::links", "Vyx News Feeder (156KB)"),
         Site::FreeNewsFeeder),
    link(1, "mnuSurfer", QT_TRANSLATE_NOOP("vyx::links", "Vyx Surfer Free (116KB)"),
         Site::FreeSurfer),
    link(1, "mnuPlayer", QT_TRANSLATE_NOOP("vyx::links", "Vyx Player Free (344KB)"),
         Site::FreePlayer),
    link(1, "mnuGames", QT_TRANSLATE_NOOP("vyx::links", "Vyx Games Collection Free (6MB)"),
         Site::FreeGames),
    link(0, "mnuFree", QT_TRANSLATE_NOOP("vyx::links", "&Free Downloads Page"),
         Site::FreeDownloads),
    separator(0, "li33"),
    submenu("mnuNews", QT_TRANSLATE_NOOP("vyx::links", "Today's &News")),
    link(1, "mnuTech", QT_TRANSLATE_NOOP("vyx::links", "Technology News (Computer, Internet, ...)"),
         Site::TechNews),
    link(1, "mnuEntertain",
         QT_TRANSLATE_NOOP("vyx::links", "Entertainment News (Movies, Games, ...)"),
         Site::EntertainmentNews),
    link(1, "mnuBus", QT_TRANSLATE_NOOP("vyx::links", "Business News (Stock Market)"),
         Site::BusinessNews),
    link(1, "mnuSports", QT_TRANSLATE_NOOP("vyx::links", "Sports News (Golf, Tennis, ...)"),
         Site::SportsNews),
    link(1, "mnuWorld", QT_TRANSLATE_NOOP("vyx::links", "World News (Politics, World Events, ...)"),
         Site::WorldNews),
    link(0, "mnuFriend", QT_TRANSLATE_NOOP("vyx::links", "Pa&lFinder Service"), Site::PalFinder),
};

} // namespace

QString path(Site site) {
    for (const SitePath& entry : kPaths) {
        if (entry.site == site) {
            return QLatin1String(entry.path);
        }
    }
    return {};
}

std::span<const Item> mainWindowItems() {
    return kMain;
}
std::span<const Item> playerWindowItems() {
    return kPlayer;
}
std::span<const Item> browserWindowItems() {
    return kBrowser;
}

void buildOnlineMenu(MenuBuilder& online, std::span<const Item> items,
                     const std::function<void(const QString& path)>& open) {
    std::optional<MenuBuilder> sub;
    for (const Item& item : items) {
        MenuBuilder& menu = item.depth == 0 || !sub ? online : *sub;
        // The publisher's product names stay; the rest is said in the user's language.
        const QString caption = QCoreApplication::translate("vyx::links", item.caption);
        switch (item.kind) {
        case Kind::Submenu:
            sub.emplace(online.submenu(item.name, caption));
            break;
        case Kind::Separator:
            menu.separator(item.name);
            break;
        case Kind::Disabled:
            menu.item(item.name, caption)->setEnabled(false);
            break;
        case Kind::Link:
            menu.command(item.name, caption, [open, target = path(item.site)] { open(target); });
            break;
        }
    }
}

} // namespace vyx::links
