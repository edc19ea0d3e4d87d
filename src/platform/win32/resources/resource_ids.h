#pragma once
// Resource ids shared by the resource script and the code that loads them.

#define MORVELLA_ICON_ID 1
