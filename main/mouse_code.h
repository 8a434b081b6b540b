// Mouse code and the two control schemes.
#pragma once

void Mouse_Code(int f_rate);
