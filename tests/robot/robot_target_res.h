// Resource ids of the robot's practice target.
#pragma once
#define IDD_TARGET 100
#define IDC_TARGET_LABEL 101
#define IDC_TARGET_NAME 102
