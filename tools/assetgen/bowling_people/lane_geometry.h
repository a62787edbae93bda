// Where the bowling program puts things on its 640 x 480 lane screen, and the perspective the
// alley pictures are drawn in. The lane's edges are fixed by the program's ball physics: straight
// lines through (212,407)-(253,96) and (423,407)-(382,96). Every line along the lane (boards,
// gutters, the neighbouring lanes) runs towards the point where those two edges meet, and
// distances along the lane follow from the same projection, so the hall is one consistent view.
#pragma once

namespace bowling_people {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// The lane edges the ball physics uses.
constexpr double kEdgeBottomY = 407, kEdgeTopY = 96;
constexpr double kLeftBottomX = 212, kLeftTopX = 253;
constexpr double kRightBottomX = 423, kRightTopX = 382;
// Bumper alleys move the edges this far inwards.
constexpr double kBumperInset = 15;

// Rack positions (pin base points), pin 1 first.
struct PinSpot {
  int X, Y;
};
constexpr PinSpot kRack[10] = {{320, 152}, {306, 147}, {334, 147}, {292, 142}, {320, 142},
                               {348, 142}, {278, 137}, {306, 137}, {334, 137}, {362, 137}};

// The pit: the program darkens this rectangle (right and bottom exclusive) before it draws the
// "under" layer at kUnderX, kUnderY, and draws "over" at kOverX, 0 last of the lane.
constexpr int kPitLeft = 225, kPitTop = 60, kPitRight = 403, kPitBottom = 100;
constexpr int kUnderX = 225, kUnderY = 94;
constexpr int kOverX = 225;
// The masking unit's lower edge (last row it covers) and the pin deck's back edge (first deck row).
constexpr int kMaskBottom = 61;
constexpr int kDeckBackY = 123;
// The foul line's middle row; the bowler's slide foot stops just behind it.
constexpr double kFoulLineY = 404;

// The lane's left and right edge at screen row y (extended beyond the two given rows).
double LeftEdgeX(double y);
double RightEdgeX(double y);
double LaneWidthAt(double y);
// Screen x of the point a fraction u across the lane at row y (0 left edge, 1 right edge);
// u outside 0..1 reaches the gutters and the neighbouring lanes.
double LaneX(double u, double y);
// The row where every line along the lane meets (above the screen).
double VanishingY();
// Screen row of a point `feet` along the lane from the foul line (negative: on the approach),
// and back. The head pin stands 60 feet from the foul line.
double RowAtFeet(double feet);
double FeetAtRow(double y);

}  // namespace bowling_people
