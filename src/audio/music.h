// The two windows' media controls (each window's MMControl1).
#pragma once
#include "platform/media.h"

extern MediaControl Form1MMControl1; // the game tune, ".\gimmeall.mid"
extern MediaControl Form2MMControl1; // the menu tune, ".\Open.mid"
