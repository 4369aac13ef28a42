#pragma once

#define IDR_MAINMENU        100

#define IDM_FILE_EXIT       40001
