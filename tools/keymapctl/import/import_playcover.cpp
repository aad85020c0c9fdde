// Import of PlayCover keymaps (.playmap, format 2.0): an XML property list whose root dictionary
// holds "buttonModels", "draggableButtonModels", "joystickModel" and "mouseAreaModel".
// docs/keymap-format.md has the table of what becomes what.
#include "import/import_plist.h"
#include "import/import_source.h"

#include <QMetaEnum>

#include <algorithm>
#include <cmath>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

const char kButtons[] = "buttonModels";
const char kDraggables[] = "draggableButtonModels";
const char kJoysticks[] = "joystickModel";
const char kMouseAreas[] = "mouseAreaModel";
const char kVersion[] = "version";
const char kBundle[] = "bundleIdentifier";
const char kKeyCode[] = "keyCode";
const char kKeyName[] = "keyName";
const char kTransform[] = "transform";

// keyCode values below 0: mouse buttons, and "the binding is the keyName text".
constexpr int kLeftButtonCode = -1;
constexpr int kRightButtonCode = -2;
constexpr int kMiddleButtonCode = -3;
constexpr int kNamedCode = -10;

// The window a keymap is taken to be made for when --screen does not say: the files do not keep
// it, and Macs' built-in screens are 16:10.
const QSize kDefaultWindow(1280, 800);

// The Control sign that starts a chord's keyName ("⌃W").
const QChar kControlSign(0x2303);

QString name(const char* latin) {
    return QLatin1String(latin);
}

// An element's centre and size, read from its "transform".
struct Placement {
    QPointF centre;
    double size = 0.0; // diameter, in percent of the window's longer side
};

// What a key code or key name binds: one key, or Ctrl and a key.
struct Binding {
    ConfigKey key;
    ConfigKey second; // set for a chord only
};

bool isControllerName(const QString& keyName) {
    for (const char* prefix : {"Button ", "Direction Pad", "Left ", "Right "}) {
        if (keyName.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

bool isThumbstick(const QString& keyName) {
    return keyName == QLatin1String("Left Thumbstick") || keyName == QLatin1String("Right Thumbstick");
}

// Mouse buttons by name: "LMB", "RMB", "MMB", and "MBtn3", "MBtn4" (counted from 0: the back and
// forward buttons).
std::optional<int> mouseButtonNamed(const QString& keyName) {
    static const QList<QPair<QString, int>> names{
        {QStringLiteral("LMB"), Qt::LeftButton},      {QStringLiteral("RMB"), Qt::RightButton},
        {QStringLiteral("MMB"), Qt::MiddleButton},    {QStringLiteral("MBtn3"), Qt::BackButton},
        {QStringLiteral("MBtn4"), Qt::ForwardButton},
    };
    for (const auto& entry : names) {
        if (entry.first == keyName)
            return entry.second;
    }
    return std::nullopt;
}

// The key after the Control sign, by Qt's name of it ("W" is Key_W, "Space" Key_Space).
QtKey chordKey(const QString& rest) {
    const QString spelled = rest.size() == 1 ? rest.toUpper() : rest;
    bool found = false;
    const int code = QMetaEnum::fromType<Qt::Key>().keyToValue(
        QByteArray("Key_" + spelled.toLatin1()).constData(), &found);
    return found ? keyForQtCode(qtKeyboardTable(), code) : QtKey();
}

class PlayCoverImport {
public:
    PlayCoverImport(ImportContext& context, const PlistValue& root) : m_context(context), m_root(root) {}

    std::unique_ptr<KeymapConfig> run() {
        m_config = std::make_unique<KeymapConfig>();
        if (!m_root.member(name(kVersion)))
            m_context.report(Severity::Warning, "version-missing", name(kVersion),
                             QStringLiteral("the file gives no version; read as 2.0.0"));
        forEach(kButtons, &PlayCoverImport::button, false);
        forEach(kDraggables, &PlayCoverImport::draggable, false);
        forEach(kJoysticks, &PlayCoverImport::joystick, true);
        forEach(kMouseAreas, &PlayCoverImport::mouseArea, false);
        m_context.ignoreOthers(m_root.memberNames(), QString(),
                               {name(kVersion), name(kBundle), name(kButtons), name(kDraggables),
                                name(kJoysticks), name(kMouseAreas)});
        return std::move(m_config);
    }

private:
    using ElementImport = void (PlayCoverImport::*)(const PlistValue&, const QString&, const Placement&);

    // sizeUsed: whether the elements' size becomes part of their item (a stick's reach).
    void forEach(const char* arrayName, ElementImport import, bool sizeUsed) {
        const PlistValue* array = m_root.member(name(arrayName));
        if (!array)
            return;
        if (array->kind != PlistValue::Kind::Array) {
            m_context.nodeDropped(name(arrayName), QStringLiteral("a list of elements is an <array>"));
            return;
        }
        const int itemsBefore = m_config->items.size();
        for (int i = 0; i < array->elements.size(); ++i) {
            const QString path = elementPath(name(arrayName), i);
            const PlistValue& element = array->elements.at(i);
            if (element.kind != PlistValue::Kind::Dict) {
                m_context.nodeDropped(path, QStringLiteral("an element is a <dict>"));
                continue;
            }
            if (const std::optional<Placement> placement = place(element, path))
                (this->*import)(element, path, *placement);
        }
        // One finding for the whole array: every element has a size.
        if (const int imported = m_config->items.size() - itemsBefore; !sizeUsed && imported > 0)
            m_context.report(
                Severity::Info, "size-dropped", name(arrayName),
                QStringLiteral("the drawn sizes of its elements (%1 imported) are left out; a keymap's "
                               "icons have a size of their own")
                    .arg(imported));
    }

    void add(std::unique_ptr<ConfigItem> item, const Placement& placement) {
        placeItem(*item, placement.centre, QString());
        m_config->items.append(item.release());
    }

    // "transform": the centre in fractions of the window and the size.
    std::optional<Placement> place(const PlistValue& element, const QString& path) {
        const QString at = memberPath(path, name(kTransform));
        const PlistValue* transform = element.member(name(kTransform));
        Placement placement;
        std::optional<double> x, y, size;
        if (transform) {
            x = number(*transform, "xCoord");
            y = number(*transform, "yCoord");
            size = number(*transform, "size");
        }
        if (!x || !y || !size || *size < 0) {
            m_context.nodeDropped(at,
                                  QStringLiteral("a transform needs the numbers xCoord, yCoord and a size "
                                                 "of 0 or more"));
            return std::nullopt;
        }
        m_context.ignoreOthers(transform->memberNames(), at,
                               {QStringLiteral("xCoord"), QStringLiteral("yCoord"), QStringLiteral("size")});
        placement.centre = QPointF(*x, *y);
        placement.size = *size;
        m_context.checkPosition(placement.centre, at);
        return placement;
    }

    static std::optional<double> number(const PlistValue& dict, const char* member) {
        const PlistValue* value = dict.member(name(member));
        const std::optional<double> result = value ? value->toNumber() : std::nullopt;
        if (!result || !std::isfinite(*result))
            return std::nullopt;
        return result;
    }

    // The key of a key code: a keyboard usage, a mouse button, or for -10 the keyName text.
    std::optional<Binding> binding(const PlistValue& element, const QString& path, const char* member,
                                   bool named) {
        const QString at = memberPath(path, name(member));
        const std::optional<double> code = number(element, member);
        if (!code || *code != std::floor(*code) || std::abs(*code) > 1e6) {
            m_context.nodeDropped(at, QStringLiteral("a key code is a whole number"));
            return std::nullopt;
        }
        Binding result;
        switch (const int value = int(*code)) {
        case kLeftButtonCode:
            result.key = mouseKey(Qt::LeftButton);
            break;
        case kRightButtonCode:
            result.key = mouseKey(Qt::RightButton);
            break;
        case kMiddleButtonCode:
            result.key = mouseKey(Qt::MiddleButton);
            break;
        case kNamedCode:
            if (named)
                return namedBinding(element, path);
            result.key = m_context.useKey(QtKey(), at, QStringLiteral("key code %1").arg(value));
            break;
        default:
            result.key = value >= 0 ? m_context.useKey(keyForHidUsage(value), at,
                                                       QStringLiteral("keyboard usage %1").arg(value))
                                    : m_context.useKey(QtKey(), at, QStringLiteral("key code %1").arg(value));
        }
        return result;
    }

    // A keyName binding: a controller element, a mouse button, or Ctrl and a key ("⌃W").
    std::optional<Binding> namedBinding(const PlistValue& element, const QString& path) {
        const QString at = memberPath(path, name(kKeyName));
        const PlistValue* keyName = element.member(name(kKeyName));
        if (!keyName || keyName->kind != PlistValue::Kind::String) {
            m_context.nodeDropped(at,
                                  QStringLiteral("key code -10 binds the keyName text, and there is none"));
            return std::nullopt;
        }
        const QString text = keyName->text;
        Binding result;
        if (const std::optional<int> button = mouseButtonNamed(text)) {
            result.key = mouseKey(*button);
        } else if (text.startsWith(kControlSign) && text.size() > 1) {
            result.key = keyForQtCode(qtKeyboardTable(), Qt::Key_Control).key;
            result.second = m_context.useKey(chordKey(text.mid(1)), at, text);
        } else {
            QtKey found;
            if (isControllerName(text))
                found.status = QtKeyStatus::Controller;
            else if (text.startsWith(QLatin1String("MBtn")))
                found.status = QtKeyStatus::Unsupported;
            result.key = m_context.useKey(found, at, text);
        }
        return result;
    }

    void button(const PlistValue& element, const QString& path, const Placement& placement) {
        const std::optional<Binding> bound = binding(element, path, kKeyCode, true);
        if (!bound)
            return;
        ignoreOthers(element, path, {name(kKeyCode), name(kKeyName)});
        auto item = createItem<ClickConfigItem>(TypeName::Click);
        item->key = bound->key;
        item->secondKey = bound->second;
        add(std::move(item), placement);
    }

    // The touch follows the mouse while the key is held: a fire button dragged with the mouse.
    void draggable(const PlistValue& element, const QString& path, const Placement& placement) {
        const std::optional<Binding> bound = binding(element, path, kKeyCode, true);
        if (!bound)
            return;
        const PlistValue* keyName = element.member(name(kKeyName));
        if (keyName && element.member(name(kKeyCode))->number != kNamedCode &&
            keyName->text != QLatin1String("Mouse")) {
            m_context.report(
                Severity::Error, "controller-binding", memberPath(path, name(kKeyName)),
                QStringLiteral("dragged by \"%1\", which a keyboard keymap cannot bind; the mouse "
                               "drags it")
                    .arg(keyName->text));
        }
        ignoreOthers(element, path, {name(kKeyCode), name(kKeyName)});
        auto item = createItem<FireConfigItem>(TypeName::Fire);
        item->key = bound->key;
        if (!bound->second.isUnset()) {
            item->key = bound->second;
            m_context.report(Severity::Warning, "chord-reduced", memberPath(path, name(kKeyName)),
                             QStringLiteral("a dragged fire button takes one key: bound to %1 without Ctrl")
                                 .arg(bound->second.text));
        }
        item->needFireAndDrag = true;
        item->position = placement.centre;
        add(std::move(item), placement);
    }

    void joystick(const PlistValue& element, const QString& path, const Placement& placement) {
        const PlistValue* keyName = element.member(name(kKeyName));
        const QString driver = keyName ? keyName->text : QStringLiteral("Keyboard");
        const QString namePath = memberPath(path, name(kKeyName));
        const QStringList known{QStringLiteral("upKeyCode"),
                                QStringLiteral("downKeyCode"),
                                QStringLiteral("leftKeyCode"),
                                QStringLiteral("rightKeyCode"),
                                name(kKeyName),
                                QStringLiteral("mode")};
        if (driver == QLatin1String("Mouse")) {
            m_context.report(
                Severity::Warning, "mouse-stick-approximated", namePath,
                QStringLiteral("a stick that the mouse drives becomes free look (Staring) around its "
                               "centre; its key codes and size are left out"));
            ignoreOthers(element, path, known);
            add(createItem<StaringConfigItem>(TypeName::Staring), placement);
            return;
        }
        if (isThumbstick(driver)) {
            m_context.report(
                Severity::Error, "controller-binding", namePath,
                QStringLiteral("driven by the %1, which a keyboard keymap cannot bind; imported as a "
                               "keyboard stick on its four key codes")
                    .arg(driver));
        } else if (driver != QLatin1String("Keyboard")) {
            m_context.useKey(QtKey(), namePath, driver);
        }
        std::optional<Binding> keys[4];
        const char* members[4] = {"upKeyCode", "rightKeyCode", "downKeyCode", "leftKeyCode"};
        for (int i = 0; i < 4; ++i) {
            keys[i] = binding(element, path, members[i], false);
            if (!keys[i])
                return;
        }
        const PlistValue* mode = element.member(QStringLiteral("mode"));
        if (mode && mode->number != 0) {
            m_context.report(Severity::Warning, "floating-stick-dropped",
                             memberPath(path, QStringLiteral("mode")),
                             QStringLiteral("a floating stick starts where the touch lands; a keymap's stick "
                                            "stays at its centre"));
        }
        ignoreOthers(element, path, known);
        auto item = createItem<SwipeholdConfigItem>(TypeName::Swipehold);
        item->topKey = keys[0]->key;
        item->rightKey = keys[1]->key;
        item->bottomKey = keys[2]->key;
        item->leftKey = keys[3]->key;
        // The stick reaches a quarter of its diameter, which is measured on the window's longer side.
        const QSizeF window = m_context.screen(kDefaultWindow);
        item->relRadius =
            onShorterSide(placement.size / 400.0, std::max(window.width(), window.height()), window);
        add(std::move(item), placement);
    }

    // Mouse motion swipes the camera from the area's centre: free look.
    void mouseArea(const PlistValue& element, const QString& path, const Placement& placement) {
        const PlistValue* keyName = element.member(name(kKeyName));
        if (keyName && keyName->text != QLatin1String("Mouse")) {
            const QString namePath = memberPath(path, name(kKeyName));
            if (isThumbstick(keyName->text))
                m_context.report(
                    Severity::Error, "controller-binding", namePath,
                    QStringLiteral("driven by the %1, which a keyboard keymap cannot bind; the mouse "
                                   "drives it")
                        .arg(keyName->text));
            else
                m_context.useKey(QtKey(), namePath, keyName->text);
        }
        ignoreOthers(element, path, {name(kKeyName)});
        add(createItem<StaringConfigItem>(TypeName::Staring), placement);
    }

    void ignoreOthers(const PlistValue& element, const QString& path, QStringList known) {
        known << name(kTransform);
        m_context.ignoreOthers(element.memberNames(), path, known);
    }

    ImportContext& m_context;
    const PlistValue& m_root;
    std::unique_ptr<KeymapConfig> m_config;
};

// A .playmap file holds one keymap, for the app its bundle identifier names.
class PlayCoverKeymaps : public SourceKeymaps {
public:
    explicit PlayCoverKeymaps(PlistValue root) : m_root(std::move(root)) {}
    int count() const override { return 1; }
    QString title(int) const override {
        const PlistValue* bundle = m_root.member(name(kBundle));
        return bundle ? bundle->text : QString();
    }
    std::unique_ptr<KeymapConfig> import(ImportContext& context, int) const override {
        return PlayCoverImport(context, m_root).run();
    }

private:
    PlistValue m_root;
};

} // namespace

std::unique_ptr<SourceKeymaps> readPlayCover(const QByteArray& bytes, SourceProblem& problem) {
    if (bytes.startsWith("bplist")) {
        problem.code = "binary-plist";
        problem.message = QStringLiteral("binary plist: convert it to XML first (plutil -convert xml1)");
        return nullptr;
    }
    PlistError error;
    std::optional<PlistValue> root = parsePlist(bytes, error);
    if (!root) {
        problem.code = "not-plist";
        QString message = error.message;
        if (message.endsWith(QLatin1Char('.')))
            message.chop(1); // Qt's own messages end in a full stop
        problem.message = QStringLiteral("not an XML property list: %1").arg(message);
        problem.line = error.line;
        problem.column = error.column;
        return nullptr;
    }
    bool hasArrays = false;
    for (const char* array : {kButtons, kDraggables, kJoysticks, kMouseAreas})
        hasArrays = hasArrays || root->member(name(array));
    if (root->kind != PlistValue::Kind::Dict || !hasArrays) {
        problem.code = "not-playcover";
        problem.message =
            QStringLiteral("the property list has no buttonModels, draggableButtonModels, "
                           "joystickModel or mouseAreaModel, so it is not a PlayCover 2.0 keymap");
        return nullptr;
    }
    if (const PlistValue* version = root->member(name(kVersion));
        version && !version->text.startsWith(QLatin1String("2.0."))) {
        problem.code = "unsupported-version";
        problem.message = QStringLiteral("version \"%1\" is not a 2.0 keymap, the only version this import "
                                         "reads")
                              .arg(version->text);
        return nullptr;
    }
    return std::make_unique<PlayCoverKeymaps>(std::move(*root));
}

} // namespace keymapctl
