#pragma once

#include <QString>
#include <functional>
#include <span>

namespace vyx {
class MenuBuilder;
}

// The publisher links of the three windows' Online menus: one table of site paths, and for
// each window its items in menu order, each referring to its entry in that table.
namespace vyx::links {

enum class Site {
    Home,
    FreeDownloads,
    Store,
    Product,
    Catalog,
    Feedback,
    PlayerNews,
    PalFinder,
    TrialDatabase,
    TrialProfessional,
    TrialPhonebook2,
    TrialVyxDatabase,
    PixSqueeze,
    PellumDownloader,
    PellumCrawler,
    PellumDraw,
    PellumMailer,
    PellumBrowser,
    PellumSolitaire,
    FreePhonebook,
    FreeEditor,
    FreeNewsFeeder,
    FreeSurfer,
    FreePlayer,
    FreeGames,
    TechNews,
    EntertainmentNews,
    BusinessNews,
    SportsNews,
    WorldNews,
};
inline constexpr int kSiteCount = 30;

// Relative to the publisher base address; never begins with "/"; empty for the site's home.
QString path(Site site);

enum class Kind { Link, Submenu, Separator, Disabled };

struct Item {
    int depth; // 0: directly in the Online menu; 1: in the submenu above it
    Kind kind;
    const char* name;
    const char* caption;
    Site site; // for links only
};

std::span<const Item> mainWindowItems();
std::span<const Item> playerWindowItems();
std::span<const Item> browserWindowItems();

// Fills an Online menu; every link item calls open with its site path.
void buildOnlineMenu(MenuBuilder& online, std::span<const Item> items,
                     const std::function<void(const QString& path)>& open);

} // namespace vyx::links
