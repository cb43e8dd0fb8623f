// Robot models: the player's default robot, the eight computer robots and the charge glow.
#include "model_catalogue.h"
#include "robot_designs.h"

namespace models {

std::vector<shapes::TaggedShape> RobotModels() {
    return {
        {"My_Fream", "the player's robot: a balanced blue and white mech with a rifle",
         MakeMyFream()},
    };
}

}  // namespace models
