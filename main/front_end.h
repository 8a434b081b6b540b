// Front-end menu buttons and page conversations.
#pragma once

void Run_Front_Buttons();
void Run_Front_Messages(int f_rate);
