#pragma once

#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// The symbol paintings, each filling one 125 × 125 cell.
namespace quorvel::artgen {

void paintCaptain(QPainter& p, const Kit& k, const QRectF& cell);
void paintShip(QPainter& p, const Kit& k, const QRectF& cell);
void paintSkull(QPainter& p, const Kit& k, const QRectF& cell);
void paintFlag(QPainter& p, const Kit& k, const QRectF& cell);
void paintCutlass(QPainter& p, const Kit& k, const QRectF& cell);
void paintCoin(QPainter& p, const Kit& k, const QRectF& cell);
void paintParrot(QPainter& p, const Kit& k, const QRectF& cell);
void paintPistol(QPainter& p, const Kit& k, const QRectF& cell);
void paintCannon(QPainter& p, const Kit& k, const QRectF& cell);
void paintMap(QPainter& p, const Kit& k, const QRectF& cell);
void paintChest(QPainter& p, const Kit& k, const QRectF& cell);
// The chest's beach without the chest, and a chest drawn with `icon` lit by `glow` (0..1).
void paintBeach(QPainter& p, const Kit& k, const QRectF& cell);
void paintChestFigure(QPainter& p, const Kit& k, const QRectF& cell, const std::string& icon,
                      double glow);
// The wild with its skull lit by `glow` (0..1) and a shine band at `shine` (0..1 across).
void paintWild(QPainter& p, const Kit& k, const QRectF& cell, double glow, double shine);
void paintJollyRoger(QPainter& p, const Kit& k, const QRectF& cell, double phase);

}  // namespace quorvel::artgen
