#include "fight_recorder.h"

using namespace battle;

void PutSlot(Recorder &out, const ObjectStruct &slot) {
    for (int32_t value : {slot.show, slot.shading, slot.dirMode, slot.angleZ, slot.angleY,
                          slot.angleX, slot.twist}) {
        out.Put(value);
    }
    for (float value : {slot.x, slot.y, slot.z, slot.dir.x, slot.dir.y, slot.dir.z, slot.up.x,
                        slot.up.y, slot.up.z}) {
        out.Put(value);
    }
    out.PutMesh(slot.data);
}

void PutRobot(Recorder &out, const TFream &robot) {
    out.Put(robot.pos);
    out.Put(robot.moveTarget);
    out.Put(robot.attackTarget);
    for (int32_t value :
         {robot.heading, robot.shield, robot.specialTimer, robot.attackTimer, robot.knockTimer,
          robot.knockHeading, robot.attackOrder, robot.specialOrder, robot.speed}) {
        out.Put(value);
    }
    out.Put(robot.knockback);
    for (const TWeapon *weapon : {static_cast<const TWeapon *>(robot.gun.get()),
                                  static_cast<const TWeapon *>(robot.missile.get())}) {
        for (const ProjectileSlot &slot : weapon->slots) {
            out.Put(slot.state);
            out.Put(slot.cooldown);
            out.Put(slot.heading);
            out.Put(slot.position);
        }
    }
    for (const SmokePuff &puff : robot.missile->puffs) {
        out.Put(puff.counter);
        out.Put(puff.position);
    }
}
