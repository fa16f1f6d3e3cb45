// Resource ids of the sample registration module.
#pragma once
#define IDD_REGISTER 100
#define IDC_REG_NAME 101
#define IDC_REG_NOW 102
#define IDC_REG_LATER 103
