#include "frmAbout.h"

#include "AppInfo.h"
#include "GoOnline.h"
#include "LinkCatalogue.h"
#include "Publisher.h"
#include "forms/FittedText.h"
#include "forms/Mirrored.h"
#include "forms/Twips.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vyx {

namespace {

constexpr double kClientWidth = 5730;
constexpr double kClientHeight = 8160;

// A push button whose caption wraps onto several lines, as the download button's does.
class WrappingButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

    // The caption wrapped at the button's width; wider where one of its words is.
    [[nodiscard]] QSize sizeHint() const override {
        const QRect text = fontMetrics().boundingRect(
            QRect(0, 0, width() - 8, 10000), Qt::AlignCenter | Qt::TextWordWrap, this->text());
        return {text.width() + 8, text.height() + 4};
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

QLabel* label(QWidget* parent, const char* name, const QRect& twipsRect, const QColor& colour) {
    auto* const item = new QLabel(parent);
    item->setObjectName(QLatin1String(name));
    placeMirrored(*item, twipsRect);
    QPalette palette = item->palette();
    palette.setColor(QPalette::WindowText, colour);
    item->setPalette(palette);
    return item;
}

template <class Button>
Button* button(QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
    auto* const item = new Button(caption, parent);
    item->setObjectName(QLatin1String(name));
    placeMirrored(*item, rect);
    QPalette palette = item->palette();
    palette.setColor(QPalette::Button, Qt::white);
    item->setPalette(palette);
    return item;
}

QPixmap picture(const QString& resource, QSize size, qreal ratio) {
    QPixmap pixmap = QIcon(resource).pixmap(size, ratio);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QString frmAbout::description() {
    QString site = publisher::baseAddress();
    site.chop(1);
    //: %1 is the publisher's web site; Quorvane is the publisher's name.
    return tr("Quorvane light weight audio and video player. For more information on other "
              "products by Quorvane, visit %1.")
        .arg(site);
}

QString frmAbout::advert() {
    //: Tessaline Professional Database and Tessaline Pro are product names; the size is
    //: written as the language writes such sizes.
    return tr(
        "If you need an innovative database application for building and managing custom "
        "databases, try Tessaline Professional Database. Tessaline Pro is simple and intuitive to "
        "use, so you can start on your first database within minutes of installing it. It is also "
        "powerful: Tessaline Pro hides the complexity of building and managing a database behind "
        "clear menus and dialogs. That leaves you free to concentrate on the design of your "
        "database instead of the details of its storage. Tessaline Pro is fully customisable, so "
        "every database can look and work exactly the way you want it to. For each table it "
        "designs a form of its own, ready to use from the moment the table is created. On that "
        "form you set the location, size, colour and font of each column with just a few clicks. "
        "Download the free trial of Tessaline Pro today, and see for yourself how easy building "
        "databases is. 30-day trial version size 12.1MB");
}

QString frmAbout::version() {
    return tr("Version %1.%2.%3").arg(app::kMajor).arg(app::kMinor).arg(app::kRevision);
}

frmAbout::frmAbout(MessagePrompter& prompter, BrowserHost& browsers, const SysInfoServices& sysInfo)
    : QDialog(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint)
    , m_prompter(prompter)
    , m_browsers(browsers)
    , m_sysInfo(sysInfo)
    , m_title(nullptr)
    , m_version(nullptr) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/about.svg")));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFixedSize(twips::toPixels(kClientWidth, kClientHeight));
    // The client area's corner, wherever the window manager puts the frame (move() would place
    // the frame's corner there).
    setGeometry(QRect(QPoint(twips::toPixels(2340), twips::toPixels(1935)), size()));

    auto* const picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setFocusPolicy(Qt::StrongFocus);
    picIcon->setPixmap(
        picture(QStringLiteral(":/art/player-picture.svg"), {100, 134}, devicePixelRatioF()));
    picIcon->adjustSize();
    placeMirrored(*picIcon, QRect(twips::toPixels(120), twips::toPixels(120), picIcon->width(),
                                  picIcon->height()));

    m_title = label(this, "lblTitle", twips::toPixels(1800, 240, 2085, 480), Qt::black);
    m_version = label(this, "lblVersion", twips::toPixels(1800, 780, 1485, 225),
                      palette().color(QPalette::WindowText));
    QLabel* const lblDescription =
        label(this, "lblDescription", twips::toPixels(1800, 1200, 3645, 1050), Qt::black);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setText(description());

    auto* const cmdOK =
        button<QPushButton>(this, "cmdOK", tr("OK"), twips::toPixels(4245, 225, 1260, 345));
    auto* const cmdSysInfo = button<QPushButton>(this, "cmdSysInfo", tr("&System Info..."),
                                                 twips::toPixels(4260, 675, 1245, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    QLabel* const lblDisclaimer =
        label(this, "lblDisclaimer", twips::toPixels(120, 2625, 5580, 225), Qt::black);
    lblDisclaimer->setText(tr("Copyright \u00A9 Quorvane. All rights reserved."));
    lblDisclaimer->adjustSize();
    placeMirrored(*lblDisclaimer, QRect(twips::toPixels(120), twips::toPixels(2625),
                                        lblDisclaimer->width(), lblDisclaimer->height()));

    auto* const fraAd = new QFrame(this);
    fraAd->setObjectName(QStringLiteral("fraAd"));
    placeMirrored(*fraAd, twips::toPixels(0, 3000, 5775, 5175));
    fraAd->setAutoFillBackground(true);
    QPalette black = fraAd->palette();
    black.setColor(QPalette::Window, Qt::black);
    fraAd->setPalette(black);

    QLabel* const lblTy = label(fraAd, "lblTy", twips::toPixels(38, 100, 5655, 3375), Qt::white);
    lblTy->setWordWrap(true);
    lblTy->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTy->setText(advert());

    auto* const imgTessalinePro = new QLabel(fraAd);
    imgTessalinePro->setObjectName(QStringLiteral("imgTessalinePro"));
    placeMirrored(*imgTessalinePro, twips::toPixels(0, 3000, 1800, 2205));
    imgTessalinePro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgTessalinePro->setPixmap(
        picture(QStringLiteral(":/art/tessaline-pro.svg"), {120, 147}, devicePixelRatioF()));
    shrinkToFit(*lblTy, imgTessalinePro->y() - lblTy->y());

    const QString download = tr("Download 30-day trial [12.1MB]");
    auto* const cmdDownload = button<WrappingButton>(fraAd, "cmdDownload", download,
                                                     twips::toPixels(2040, 4080, 1695, 975));
    cmdDownload->setToolTip(download);
    connect(cmdDownload, &QPushButton::clicked, this, &frmAbout::cmdDownload_Click);

    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);
    setTabOrder(cmdSysInfo, cmdDownload);
    cmdOK->setFocus();
    Form_Load();
}

void frmAbout::Form_Load() {
    //: %1 is the program's name, Vyx Player.
    setWindowTitle(tr("About %1").arg(QLatin1String(app::kTitle)));
    m_version->setText(version());
    m_title->setText(QLatin1String(app::kTitle));
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched divider: a grey line with a white one just below it.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.drawLine(twips::toPixels(90), twips::toPixels(2445), twips::toPixels(5654),
                     twips::toPixels(2445));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(twips::toPixels(105), twips::toPixels(2460) + 1, twips::toPixels(5654),
                     twips::toPixels(2460) + 1);
}

void frmAbout::StartSysInfo() const {
    vyx::StartSysInfo(m_sysInfo);
}

void frmAbout::cmdDownload_Click() {
    showAndNavigate(m_browsers, m_prompter,
                    publisher::baseAddress() + links::path(links::Site::TrialProfessional));
}

} // namespace vyx
