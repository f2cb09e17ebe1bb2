#include "tools/artgen/pay_table.h"

#include <QStringList>

#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

namespace quorvel::artgen {
namespace {

using engine::Symbol;

constexpr double kTitleHeight = 52;
constexpr double kRowHeight = 58;
constexpr double kRulesTop = kTitleHeight + 5 * kRowHeight + 6;

// The paying symbols' titles, named here for the translators; the English is the engine's.
[[maybe_unused]] constexpr const char* kTitles[] = {
    QT_TRANSLATE_NOOP("artwork", "CAPTAIN"), QT_TRANSLATE_NOOP("artwork", "SHIP"),
    QT_TRANSLATE_NOOP("artwork", "SKULL"),   QT_TRANSLATE_NOOP("artwork", "FLAG"),
    QT_TRANSLATE_NOOP("artwork", "CUTLASS"), QT_TRANSLATE_NOOP("artwork", "COIN"),
    QT_TRANSLATE_NOOP("artwork", "PARROT"),  QT_TRANSLATE_NOOP("artwork", "PISTOL"),
    QT_TRANSLATE_NOOP("artwork", "CANNON"),  QT_TRANSLATE_NOOP("artwork", "MAP"),
};

Words symbolTitle(const Kit& k, Symbol s) {
    const std::string title = QString::fromUtf8(engine::symbolName(s).data(),
                                                static_cast<int>(engine::symbolName(s).size()))
                                  .toUpper()
                                  .toStdString();
    return k.say(title.c_str());
}

// Figures filled into a translated text and into its English alike.
Words filled(const Words& w, int first, int second) {
    return {w.shown.arg(first).arg(second), w.english.arg(first).arg(second)};
}

Words followed(const Words& w, const QString& tail) {
    return {w.shown + tail, w.english + tail};
}

void thumbnail(QPainter& p, const Kit& k, Symbol s, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 125.0, box.height() / 125.0);
    paintSymbol(p, k, s, QRectF(0, 0, 125, 125));
    p.restore();
    panel(p, box, 6, Qt::NoBrush, k.pal("gold"), 1.5);
}

void linePaysEntry(QPainter& p, const Kit& k, const PayTableContent::LinePays& entry,
                   const QRectF& cell) {
    const QRectF picture(cell.left() + 6, cell.top() + 3, 54, 54);
    thumbnail(p, k, entry.symbol, picture);
    const QRectF text(picture.right() + 8, cell.top() + 2, cell.right() - picture.right() - 14,
                      cell.height() - 4);
    caption(p, QRectF(text.left(), text.top(), text.width(), 16), symbolTitle(k, entry.symbol),
            font(Face::Serif, 12), k.pal("gold"), Qt::transparent, 0, Qt::AlignLeft);
    for (int reels = 5; reels >= 3; --reels) {
        const double y = text.top() + 16 + (5 - reels) * 13.5;
        caption(p, QRectF(text.left(), y, text.width(), 14),
                filled(k.say(QT_TRANSLATE_NOOP("artwork", "%1 in a row  x %2")), reels,
                       entry.pays[reels - 3]),
                font(Face::Sans, 11, reels == 5), k.pal("bone"), Qt::transparent, 0, Qt::AlignLeft);
    }
}

void rule(QPainter& p, const Kit& k, Symbol s, const QRectF& row, const Words& title,
          const std::vector<Words>& lines) {
    thumbnail(p, k, s, QRectF(row.left() + 6, row.top() + 2, row.height() - 4, row.height() - 4));
    const QRectF box = row.adjusted(row.height() + 10, 0, -6, 0);
    caption(p, QRectF(box.left(), box.top(), box.width(), 16), title, font(Face::Serif, 12),
            k.pal("gold"), Qt::transparent, 0, Qt::AlignLeft);
    for (std::size_t i = 0; i < lines.size(); ++i)
        caption(p, QRectF(box.left(), box.top() + 16 + i * 12, box.width(), 12), lines[i],
                font(Face::Sans, 10, false), k.pal("bone"), Qt::transparent, 0, Qt::AlignLeft);
}

std::vector<Words> scatterText(const Kit& k, const PayTableContent& content) {
    QString pays, games;
    for (const auto& s : content.scatter) {
        pays += QString("%1%2: x%3").arg(pays.isEmpty() ? "" : ",  ").arg(s.chests).arg(s.multiple);
        if (s.freeGames > 0)
            games += QString("%1%2: %3")
                         .arg(games.isEmpty() ? "" : ",  ")
                         .arg(s.chests)
                         .arg(s.freeGames);
    }
    return {followed(k.say(QT_TRANSLATE_NOOP("artwork",
                                             "Anywhere on the reels, times the total bet:  ")),
                     pays),
            followed(k.say(QT_TRANSLATE_NOOP("artwork", "Three or more also award free spins:  ")),
                     games)};
}

}  // namespace

PayTableContent payTableContent() {
    PayTableContent content;
    for (int s = 0; s < engine::kPayingSymbols; ++s) {
        const auto symbol = static_cast<Symbol>(s);
        content.lines.push_back(
            {symbol,
             {engine::linePay(symbol, 3), engine::linePay(symbol, 4), engine::linePay(symbol, 5)}});
    }
    for (int chests = 2; chests <= engine::kReels; ++chests)
        content.scatter.push_back(
            {chests, engine::scatterMultiple(chests), engine::freeGamesFor(chests, false)});
    return content;
}

void paintPayTable(QPainter& p, const Kit& k, const PayTableContent& content) {
    const QRectF all(0, 0, kPayTableWidth, kPayTableHeight);
    p.fillRect(all,
               vertical(all, {{0, k.pal("woodDark")}, {0.6, k.pal("night")}, {1, k.pal("night")}}));
    goldFrame(p, k, all, 10, 5);
    goldCaption(p, k, QRectF(10, 6, kPayTableWidth - 20, 28),
                k.say(QT_TRANSLATE_NOOP("artwork", "PAY TABLE")), font(Face::Comic, 26));
    caption(
        p, QRectF(10, 34, kPayTableWidth - 20, 14),
        k.say(QT_TRANSLATE_NOOP(
            "artwork", "Line pays: times the bet per line, matching from reel 1 on a played line")),
        font(Face::Sans, 10.5, false), k.pal("parchment"));
    const double half = kPayTableWidth / 2.0;
    for (std::size_t i = 0; i < content.lines.size(); ++i) {
        const double x = 6 + (i % 2) * (half - 6);
        const double y = kTitleHeight + static_cast<double>(i / 2) * kRowHeight;
        linePaysEntry(p, k, content.lines[i], QRectF(x, y, half - 6, kRowHeight));
    }
    const double rulesHeight = (kPayTableHeight - kPayTableFooter - kRulesTop) / 2;
    rule(p, k, Symbol::wild, QRectF(8, kRulesTop, kPayTableWidth - 16, rulesHeight),
         k.say(QT_TRANSLATE_NOOP("artwork", "WILD")),
         {k.say(QT_TRANSLATE_NOOP("artwork", "Stands in for every paying symbol at once:")),
          k.say(QT_TRANSLATE_NOOP("artwork",
                                  "a line pays every symbol that the wilds complete on it."))});
    rule(p, k, Symbol::chest, QRectF(8, kRulesTop + rulesHeight, kPayTableWidth - 16, rulesHeight),
         k.say(QT_TRANSLATE_NOOP("artwork", "TREASURE CHEST")), scatterText(k, content));
    p.fillRect(
        QRectF(8, kPayTableHeight - kPayTableFooter, kPayTableWidth - 16, kPayTableFooter - 8),
        k.pal("night"));
}

}  // namespace quorvel::artgen
