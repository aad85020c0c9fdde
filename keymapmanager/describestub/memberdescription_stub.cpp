// TEMPORARY: the roled members only, until the describer lands by merge; removed then.
#include <keymapmanager/describestub/memberdescription_stub.h>

namespace ovelkeymapmanager {

namespace {

void add(QList<KeymapMemberDescription>& list, const QString& owner, const QString& path, MemberRole role) {
    KeymapMemberDescription d;
    d.owner = owner;
    d.path = path;
    d.role = role;
    list.append(d);
}

void position(QList<KeymapMemberDescription>& list, const QString& owner, const QString& path) {
    add(list, owner, path + QStringLiteral(".rel_x"), MemberRole::PositionX);
    add(list, owner, path + QStringLiteral(".rel_y"), MemberRole::PositionY);
}

} // namespace

QList<KeymapMemberDescription> DescribeKeymapMembers() {
    QList<KeymapMemberDescription> list;
    const QStringList types = {QStringLiteral("Click"),
                               QStringLiteral("Tip"),
                               QStringLiteral("BunchClick"),
                               QStringLiteral("Macro"),
                               QStringLiteral("OperationRecorder"),
                               QStringLiteral("Eye"),
                               QStringLiteral("Gravity"),
                               QStringLiteral("Swipehold"),
                               QStringLiteral("VirtualLeftStick"),
                               QStringLiteral("VirtualRightStick"),
                               QStringLiteral("Spell"),
                               QStringLiteral("SpellCancel"),
                               QStringLiteral("Staring"),
                               QStringLiteral("Observe"),
                               QStringLiteral("Curve"),
                               QStringLiteral("Fire"),
                               QStringLiteral("LeftStickWalk"),
                               QStringLiteral("RightStickEye"),
                               QStringLiteral("RightWalk"),
                               QStringLiteral("Wheel"),
                               QStringLiteral("Zoom"),
                               QStringLiteral("VirtualJoystickButton"),
                               QStringLiteral("VirtualJoystickBunchButton"),
                               QStringLiteral("VirtualLeftStickShiftButton")};
    for (const QString& type : types) {
        position(list, type, QStringLiteral("rel_work_position"));
        position(list, type, QStringLiteral("icon.rel_position"));
    }
    for (const char* stick : {"Swipehold", "VirtualLeftStick", "VirtualRightStick"}) {
        add(list, QLatin1String(stick), QStringLiteral("rel_radius"), MemberRole::Length);
        add(list, QLatin1String(stick), QStringLiteral("target_point_input_compensatory_policy.distance"),
            MemberRole::Length);
    }
    const QString spell = QStringLiteral("Spell");
    position(list, spell, QStringLiteral("spell_info.rel_position"));
    add(list, spell, QStringLiteral("spell_info.rel_radius"), MemberRole::Length);
    position(list, spell, QStringLiteral("swipehold_info.rel_position"));
    add(list, spell, QStringLiteral("swipehold_info.rel_radius"), MemberRole::Length);
    add(list, spell, QStringLiteral("swipehold_info.invalid_zone_info.rel_radius_inside_invalid_zone"),
        MemberRole::Length);
    add(list, spell, QStringLiteral("swipehold_info.invalid_zone_info.rel_radius_outside_invalid_zone"),
        MemberRole::Length);
    add(list, spell, QStringLiteral("swipehold_info.start_additional_point_info.distance"),
        MemberRole::Length);
    add(list, spell, QStringLiteral("swipehold_info.target_point_input_compensatory_policy.distance"),
        MemberRole::Length);
    position(list, spell, QStringLiteral("tap_info.rel_center_pos"));
    add(list, QStringLiteral("Staring"), QStringLiteral("staring_range"), MemberRole::Size);
    add(list, QStringLiteral("RightStickEye"), QStringLiteral("staring_range"), MemberRole::Size);
    position(list, QStringLiteral("Curve"), QStringLiteral("rel_start_pos"));
    position(list, QStringLiteral("Curve"), QStringLiteral("rel_end_pos"));
    const QString fire = QStringLiteral("Fire");
    position(list, fire, QStringLiteral("swipehold_info.rel_position"));
    add(list, fire, QStringLiteral("swipehold_info.rel_radius"), MemberRole::Length);
    add(list, fire, QStringLiteral("swipehold_info.invalid_zone_info.rel_radius_inside_invalid_zone"),
        MemberRole::Length);
    add(list, fire, QStringLiteral("swipehold_info.invalid_zone_info.rel_radius_outside_invalid_zone"),
        MemberRole::Length);
    add(list, QStringLiteral("LeftStickWalk"), QStringLiteral("rel_radius"), MemberRole::Length);
    position(list, QStringLiteral("RightWalk"), QStringLiteral("rel_measurement_pos"));
    add(list, QStringLiteral("RightWalk"), QStringLiteral("first_move_policy.rel_radius"),
        MemberRole::Length);
    add(list, QStringLiteral("Zoom"), QStringLiteral("one_side_gap"), MemberRole::Length);
    for (const char* macro : {"Macro", "OperationRecorder"}) {
        add(list, QLatin1String(macro), QStringLiteral("press_actions"), MemberRole::MacroRunningText);
        add(list, QLatin1String(macro), QStringLiteral("release_actions"), MemberRole::MacroRunningText);
    }
    add(list, QStringLiteral("info"), QStringLiteral("feature_images"), MemberRole::None);
    add(list, QStringLiteral("info"), QStringLiteral("feature_images[][].rect"), MemberRole::Rectangle);
    add(list, QStringLiteral("param"), QStringLiteral("wheel_policy.wheel_step_distance"),
        MemberRole::Length);
    add(list, QStringLiteral("param"), QStringLiteral("wheel_policy.zoom_step_distance"), MemberRole::Length);
    return list;
}

} // namespace ovelkeymapmanager
