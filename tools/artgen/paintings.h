#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "engine/symbols.h"
#include "tools/artgen/kit.h"

// Every painting of the game. Each draws in logical pixels of its picture, from (0, 0).
namespace quorvel::artgen {

// Symbols and the reels (a cell is 125 × 125).
void paintSymbol(QPainter& p, const Kit& k, engine::Symbol s, const QRectF& cell);
void paintMysteryTile(QPainter& p, const Kit& k, const QRectF& cell);
void paintReel(QPainter& p, const Kit& k, int reel);
void paintWildFrame(QPainter& p, const Kit& k, int frame);   // 1..19
void paintChestFrame(QPainter& p, const Kit& k, int frame);  // 1..13
void paintMorphFrame(QPainter& p, const Kit& k, int frame);  // 1..12

// The cabinet and its controls.
void paintBackground(QPainter& p, const Kit& k);
void paintButtonBar(QPainter& p, const Kit& k);
void paintKey(QPainter& p, const Kit& k, int key, const QSizeF& size);  // 0..5 along the bar
void paintLitKey(QPainter& p, const Kit& k, int key, const QSizeF& size);
void paintOvalButton(QPainter& p, const Kit& k, const Words& text, const QSizeF& size);
void paintMenu(QPainter& p, const Kit& k, const QSizeF& size);
void paintMenuEntry(QPainter& p, const Kit& k, const Words& text, const QSizeF& size);
void paintLineMarker(QPainter& p, const Kit& k, int entry);  // 1..50
void paintProgramIcon(QPainter& p, const Kit& k, int size);
void paintMuteKey(QPainter& p, const Kit& k, int entry);    // 1 sound on, 2 muted
void paintVolumeBar(QPainter& p, const Kit& k, int entry);  // 1..11: 0 to 10 steps lit

// Feature banners and buttons.
void paintBanner(QPainter& p, const Kit& k, const Words& text, const QSizeF& size);
void paintCountBanner(QPainter& p, const Kit& k, const Words& text, const QSizeF& size);
void paintPlaque(QPainter& p, const Kit& k, const Words& text, const QSizeF& size,
                 const QColor& base);

// The gamble.
void paintGamblePanel(QPainter& p, const Kit& k, const QSizeF& size);
void paintCard(QPainter& p, const Kit& k, int entry);  // 1..24 of the card list
void paintGambleResult(QPainter& p, const Kit& k, bool won, const QSizeF& size);

// The parchment ground of the secondary windows.
void paintFormFace(QPainter& p, const Kit& k, const QSizeF& size);

// The about window's invitation to the casino page.
void paintAboutAdvert(QPainter& p, const Kit& k);

// The jackpot board.
void paintJackpotBoard(QPainter& p, const Kit& k, const QSizeF& size);
void paintJackpotBall(QPainter& p, const Kit& k, int look);
void paintJackpotWin(QPainter& p, const Kit& k, int frame);  // 1..9

// The big-win celebrations: two glows of each tier's banner, and the coins of the shower.
void paintCelebration(QPainter& p, const Kit& k, int frame);  // 1..6
void paintGoldCoin(QPainter& p, const Kit& k, int frame);     // 1..8

}  // namespace quorvel::artgen
