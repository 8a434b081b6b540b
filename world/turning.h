// Distances, direction codes and their angles, and the turning of units.
// Angles are radians, 0 to the right and positive upward; the direction table takes a half
// turn as 3.0, the turning code as 3.14. Direction codes are dir_code:: in common/codes.h.
#pragma once

// Half the sum of the absolute coordinate differences: the cheap measure.
float Node_Distance(float x1, float y1, float x2, float y2);
// The straight-line distance.
float Node_Distance1(float x1, float y1, float x2, float y2);
// Sets the heading of unit loop from a direction code 1 to 8 (other codes keep the angle),
// aims its move target two units ahead and chooses its animation again.
void Convert_Dir_To_Angle(int loop, int direction);
// The angle of a direction code; 0 for codes outside 1 to 8.
float Convert_Dir_To_Angle1(int direction);
// The direction code of an angle; 0 for an angle that matches no band (not a number).
int Convert_Angle_To_Dir(float my_angle);
// True within 0.1 of a border between two direction bands.
bool Is_Grey_Area(float my_angle);
// Chooses the target heading of unit loop toward (x1, y1); the player aims at the mouse cell.
void Set_Heading(int loop, float x1, float y1, bool hulk_ladder);
// Turns unit loop toward its target heading for a frame of f_rate milliseconds.
void Turn_Unit(int loop, int f_rate);
// Moves a front-end decoration along the fixed angle 0.6.
void Move_Sprite(int loop, int f_rate, bool direction);
