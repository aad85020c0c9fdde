#!/usr/bin/env python3
"""Checks the dynamic symbol table of the shared library (nm -D --defined-only, demangled).

It must define the exported functions, every model class, FeatureImageInfo's members and the
joystick event types; and, in the library's namespace, nothing but those functions and the
classes that the public headers export.
"""
import argparse
import pathlib
import re
import subprocess
import sys

FUNCTIONS = [
    "LoadKeymapConfigAndInfo", "LoadJoystickConfigAndInfo", "SaveKeymapConfigAndInfo",
    "SaveJoystickConfigAndInfo", "CreateConfigItem", "CreateConfigKey", "SetTextForConfigKey",
    "ModifyKeyboardScanCodeIfNeeded", "AllowUsedForConfigKey", "isConfigKeyMatch",
    "isConfigHasSpeicalTypeKey", "getMacroConfigKeyCode", "MacroKeyEditingTextChangeToRunningText",
    "MacroKeyRunningTextChangeToEditingText", "MacroKeyEditingTextGrammarCheck", "getFeatureImageInfo",
    "isIntelligentConfig", "SetCallbacks", "LoadConfigAndInfoWithReport", "ConfigAndInfoSavedText",
    "ConfigItemTypeNames", "ConfigItemClassName", "ReadKeymapSource", "ParseKeymapSource",
]

ITEM_CLASSES = [
    "ConfigItem", "ComposableConfigItem", "DiamondConfigItem", "PairConfigItem", "SwipeholdConfigItem",
    "VirtualStickConfigItem", "ClickConfigItem", "BunchClickConfigItem", "TipConfigItem", "MacroConfigItem",
    "OperationRecorderConfigItem", "EyeConfigItem", "GravityConfigItem", "VirtualStickLeftConfigItem",
    "VirtualStickRightConfigItem", "SpellConfigItem", "SpellCancelConfigItem", "StaringConfigItem",
    "ObserveConfigItem", "CurveConfigItem", "FireConfigItem", "JoystickLeftWalkConfigItem",
    "JoystickRightEyeConfigItem", "MouseRightWalkConfigItem", "WheelConfigItem", "ZoomConfigItem",
    "VirtualJoystickButtonConfigItem", "VirtualJoystickBunchButtonConfigItem",
    "VirtualStickLeftShiftButtonConfigItem",
]
DOCUMENT_CLASSES = ["KeymapConfig", "KeymapInfo", "KeymapParam", "FeatureImageInfo"]

FEATURE_IMAGE_MEMBERS = [
    "FeatureImageInfo()", "FeatureImageInfo(QRectF const&, QSize const&, QImage const&)",
    "FeatureImageInfo(ovelkeymapmanager::FeatureImageInfo const&)",
    "operator=(ovelkeymapmanager::FeatureImageInfo const&)", "~FeatureImageInfo()", "toJson() const",
    "fromJson(Poco::JSON::Object&)",
]
JOYSTICK_EVENTS = ["ButtonPress", "ButtonRelease", "AxisTriggle", "JoystickConnect", "JoystickDisconnect"]

# Names that must never leave the library, whatever the headers say.
FORBIDDEN = ["ovelkeymapmanager::json::", "ovelkeymapmanager::KeymapManager::", "keymaplog",
             "createConfigItemByType", "createConfigItemFromJson"]

SPECIAL_PREFIX = re.compile(r"^(typeinfo name for |typeinfo for |vtable for |VTT for |guard variable for "
                            r"|construction vtable for .*-in-)")


def exported_classes(headers):
    """Classes and structs marked for export in the public headers (those not ending in _p.h)."""
    names = set()
    for header in headers.rglob("*.h"):
        if not header.name.endswith("_p.h"):
            names.update(re.findall(r"\b(?:class|struct)\s+OVEL_KEYMAPMANAGER_EXPORT\s+(\w+)",
                                    header.read_text(encoding="utf-8")))
    return names


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--library", required=True)
    parser.add_argument("--headers", required=True, type=pathlib.Path)
    args = parser.parse_args()

    listing = subprocess.run(["nm", "-D", "--defined-only", "-C", args.library],
                             capture_output=True, text=True, check=True).stdout
    symbols = [line.split(" ", 2)[2] for line in listing.splitlines() if line.count(" ") >= 2]
    names = [SPECIAL_PREFIX.sub("", s) for s in symbols]
    problems = []

    def defined(prefix):
        return any(name.startswith(prefix) for name in names)

    for function in FUNCTIONS:
        if not defined(f"ovelkeymapmanager::{function}("):
            problems.append(f"function not exported: {function}")
    for cls in ITEM_CLASSES + DOCUMENT_CLASSES:
        if not defined(f"ovelkeymapmanager::{cls}::"):
            problems.append(f"class not exported: {cls}")
    for cls in ITEM_CLASSES + ["KeymapConfig"]:
        if f"typeinfo for ovelkeymapmanager::{cls}" not in symbols:
            problems.append(f"no exported type information for {cls} (dynamic_cast in the host needs it)")
    for member in FEATURE_IMAGE_MEMBERS:
        if f"ovelkeymapmanager::FeatureImageInfo::{member}" not in names:
            problems.append(f"FeatureImageInfo member not exported: {member}")
    for event in JOYSTICK_EVENTS:
        if f"JoystickEvent::{event}" not in names:
            problems.append(f"joystick event type not exported: {event}")

    allowed = exported_classes(args.headers) | set(ITEM_CLASSES + DOCUMENT_CLASSES)
    for symbol, name in zip(symbols, names):
        if any(word in symbol for word in FORBIDDEN):
            problems.append(f"internal symbol exported: {symbol}")
            continue
        # A member of an allowed class, the class's own type information, or an exported function.
        match = re.match(r"ovelkeymapmanager::(\w+)(::|\(|$)", name)
        if name.startswith("ovelkeymapmanager::") and not (
                match and (match.group(1) in FUNCTIONS if match.group(2) == "(" else match.group(1) in allowed)):
            problems.append(f"unexpected symbol exported: {symbol}")

    for problem in problems:
        print("FAIL", problem)
    checked = len(FUNCTIONS) + len(ITEM_CLASSES) + len(DOCUMENT_CLASSES) + len(FEATURE_IMAGE_MEMBERS) + len(JOYSTICK_EVENTS)
    print(f"exports: {len(symbols)} symbols, {checked} required names; {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
