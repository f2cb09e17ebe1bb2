#include "platform/qt/qt_services.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "platform/qt/cabinet_theme.h"
#include "platform/qt/window_binding.h"

namespace quorvel::platform::qt {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The game ends its lines with a carriage return, as its boxes break lines there; Qt breaks
// only at a line feed.
QString boxText(const std::string& text) {
    QString lines = q(text);
    lines.replace("\r\n", "\n").replace('\r', '\n');
    while (lines.endsWith('\n'))
        lines.chop(1);
    return lines;
}

QMessageBox::Icon iconFor(MessageIcon icon) {
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

}  // namespace

// Qt's translations of its buttons are not installed beside the game, so the game names them.
void QtMessageBoxes::nameButtons(QMessageBox& box) const {
    if (!text_) return;
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(q(text_->translate("platform", "OK")));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(q(text_->translate("platform", "&Yes")));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(q(text_->translate("platform", "&No")));
}

void QtMessageBoxes::show(const std::string& title, const std::string& text, MessageIcon icon) {
    host_.releaseCaptures();
    QMessageBox box(iconFor(icon), q(title), boxText(text), QMessageBox::Ok, host_.mainView());
    nameButtons(box);
    theme::dress(box);
    box.exec();
}

Answer QtMessageBoxes::askYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                                Answer defaultAnswer) {
    host_.releaseCaptures();
    QMessageBox box(iconFor(icon), q(title), boxText(text), QMessageBox::Yes | QMessageBox::No,
                    host_.mainView());
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    nameButtons(box);
    theme::dress(box);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int QtMessageBoxes::choose(const std::string& title, const std::string& text, MessageIcon icon,
                           const std::vector<std::string>& buttons, int defaultButton) {
    host_.releaseCaptures();
    QMessageBox box(iconFor(icon), q(title), boxText(text), QMessageBox::NoButton,
                    host_.mainView());
    std::vector<QAbstractButton*> added;
    for (const std::string& button : buttons)
        added.push_back(box.addButton(q(button), QMessageBox::AcceptRole));
    if (defaultButton >= 0 && defaultButton < static_cast<int>(added.size())) {
        box.setDefaultButton(static_cast<QPushButton*>(added[defaultButton]));
        box.setEscapeButton(added[defaultButton]);
    }
    theme::dress(box);
    box.exec();
    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i]) return static_cast<int>(i);
    return defaultButton;
}

ScreenSize QtDisplay::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->size() * screen->devicePixelRatio();
    return {size.width(), size.height()};
}

std::optional<DisplayModeRecord> QtDisplay::mode(int index) const {
    if (index != 0) return std::nullopt;
    const ScreenSize size = screenSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return DisplayModeRecord{DisplayModeRecord::Width | DisplayModeRecord::Height, size.width,
                             size.height, screen ? screen->depth() : 32,
                             screen ? static_cast<int>(screen->refreshRate()) : 60};
}

int QtDisplay::change(const DisplayModeRecord& record) {
    if (record.width == 0 && record.height == 0) {
        host_.setFullScreen(false);
        return 0;
    }
    if (record.width != 800 || record.height != 600) return 1;
    host_.setFullScreen(true);
    return 0;
}

int QtLinks::connectionState() const {
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        if (!nic.addressEntries().isEmpty()) return 1;
    }
    return 0;
}

int QtLinks::open(const std::string& link) {
    return QDesktopServices::openUrl(QUrl(q(link))) ? 42 : 0;
}

QtResources::QtResources(std::string assetDirectory) : assetDirectory_(std::move(assetDirectory)) {}

std::vector<std::uint8_t> QtResources::load(const std::string& name, const std::string& type) {
    const std::string file = name + (type == "WAVE" ? ".wav" : "");
    for (const std::string& path : {":/sounds/" + file, assetDirectory_ + "/sounds/" + file}) {
        QFile in(q(path));
        if (!in.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = in.readAll();
        return {bytes.begin(), bytes.end()};
    }
    return {};
}

}  // namespace quorvel::platform::qt
