#pragma once

#define IDD_LAYER_TEST    900
#define IDC_LAYER_NUMBER  901
#define IDC_LAYER_FREE    902
#define IDC_LAYER_OTHER   903
#define IDC_LAYER_PANEL   904
#define IDC_LAYER_OK      905
#define IDC_LAYER_CANCEL  906
