// The drawing of every tile picture: one function per tile kind, listed in one table.
#pragma once

#include "canvas.h"

namespace artgen {

// Draws one tile. `member` is 1..8 within a family of eight (the direction, clockwise from
// north) and 1..5 for the pig producer's growth stages; 0 for single tiles.
using TileDraw = void (*)(Painter& p, int member);

// The 32x32 picture of catalogue entry `index` (0..131).
Canvas DrawTile(int index);

// Angle of a family member's direction, clockwise from north.
float DirectionAngle(int member);

// Terrain, fields and markers.
void DrawFloor(Painter& p, int);
void DrawSolidWall(Painter& p, int);
void DrawEdgeWall(Painter& p, int);
void DrawChainWall(Painter& p, int);
void DrawChainWallBurning(Painter& p, int);
void DrawChainWall2(Painter& p, int);
void DrawChainWall2Burning(Painter& p, int);
void DrawGrilleWall(Painter& p, int);
void DrawCrackedWall(Painter& p, int);
void DrawDoor(Painter& p, int);
void DrawDeathField(Painter& p, int);
void DrawForceField(Painter& p, int);
void DrawTransportField(Painter& p, int);
void DrawSlideField(Painter& p, int);
void DrawStart(Painter& p, int);
void DrawFinish(Painter& p, int);

// Creatures and heroes, drawn about the local origin at full tile size.
void DrawAnt(Painter& p, int);
void DrawDevil(Painter& p, int);
void DrawCow(Painter& p, int);
void DrawChigger(Painter& p, int);
void DrawFrog(Painter& p, int);
void DrawHorse(Painter& p, int);
void DrawPig(Painter& p, int);
void DrawPlayer1(Painter& p, int);
void DrawPlayer2(Painter& p, int);

// Producers.
void DrawAntNest(Painter& p, int);
void DrawDevilNest(Painter& p, int);
void DrawCowNest(Painter& p, int);
void DrawFrogNest(Painter& p, int);
void DrawHorseNest(Painter& p, int);
void DrawPigNest(Painter& p, int stage);
void DrawRandomNest(Painter& p, int);
void DrawFireNest(Painter& p, int);

// Items.
void DrawKey(Painter& p, int);
void DrawStar(Painter& p, int);
void DrawMoney(Painter& p, int);
void DrawHealth(Painter& p, int);
void DrawBomb(Painter& p, int);
void DrawHeart(Painter& p, int);
void DrawShield(Painter& p, int);

// Families of eight.
void DrawBullet1(Painter& p, int dir);
void DrawBullet2(Painter& p, int dir);
void DrawFireDart(Painter& p, int dir);
void DrawLaser1Turret(Painter& p, int dir);
void DrawLaser2Turret(Painter& p, int dir);
void DrawLaser3Turret(Painter& p, int dir);
void DrawLaser4Turret(Painter& p, int dir);
void DrawLaser1Beam(Painter& p, int dir);
void DrawLaser2Beam(Painter& p, int dir);
void DrawLaser3Beam(Painter& p, int dir);
void DrawLaser4Beam(Painter& p, int dir);

}  // namespace artgen
