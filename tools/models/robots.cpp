// Robot models: the player's default robot, the eight computer robots and the charge glow.
#include "model_catalogue.h"
#include "robot_designs.h"

namespace models {

std::vector<shapes::TaggedShape> RobotModels() {
    return {
        {"My_Fream", "the player's robot: a balanced blue and white mech with a rifle",
         MakeMyFream()},
        {"FlyFream", "level 1: a light flying mech with raised swept wings", MakeFlyFream()},
        {"HotDog", "level 2: a stubby fighter, a long red body between mustard pods", MakeHotDog()},
        {"Mount", "level 3: a heavy walker like a mountain range, snow on its peaks", MakeMount()},
        {"Octplus", "level 4: an octopus mech, a domed purple head on eight tentacle legs",
         MakeOctplus()},
        {"Dragon", "level 5: a green and gold dragon mech with wings, horns and a spiked tail",
         MakeDragon()},
        {"Quado", "level 6: a four-legged orange and black hunter with shoulder guns", MakeQuado()},
        {"MetalGirl", "level 7: a slender, graceful silver and pink humanoid with a beam rifle",
         MakeMetalGirl()},
        {"Dang", "level 8, the boss: a huge dark spiked mech with red eyes and arm cannons",
         MakeDang()},
        {"Power", "the charge glow of a special attack: a spiked hoop, tumbling rings, sparks",
         MakePowerGlow()},
    };
}

}  // namespace models
