// answer-all: the robot as a user who takes every default, for trying a
// provider's media without a scenario of their own (vtmedia try).
#pragma once
#include "robot.h"

void AnswerAll(Robot& robot, const RobotStep& step);
