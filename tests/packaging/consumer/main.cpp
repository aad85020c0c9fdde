// Uses the installed library through its public headers only: creates an item, loads a built-in
// template, saves and reloads a document, copies a feature image and reads the joystick event types.
// It is also built from the flags of the pkg-config file; the build names the Qt major version that the
// package says the library was built with, and the program checks that this Qt is the one it runs on.
#include <keymapmanager/keymapmanager.h>

#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>
#include <memory>

using namespace ovelkeymapmanager;

int main() {
    QStringList failures;
    const auto expect = [&failures](bool ok, const char* what) {
        if (!ok)
            failures << QLatin1String(what);
    };
    expect(QT_VERSION_MAJOR == KEYMAP_PACKAGE_QT_MAJOR, "compiled against another Qt than the package's");
    expect(QString::fromLatin1(qVersion())
               .startsWith(QString::number(KEYMAP_PACKAGE_QT_MAJOR) + QLatin1Char('.')),
           "running on another Qt than the package's");

    std::unique_ptr<ConfigItem> item(CreateConfigItem(QStringLiteral("Click")));
    expect(item && item->typeName == QLatin1String("Click"),
           "CreateConfigItem(\"Click\") made no click item");
    expect(dynamic_cast<ComposableConfigItem*>(item.get()) != nullptr, "a click item is not composable");

    std::unique_ptr<KeymapConfig> document(
        LoadKeymapConfigAndInfo(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300")));
    expect(document && document->items.isEmpty(), "the keymap template did not load empty");
    expect(document->info->transparentMousePolicy == QLatin1String("Mouse_No_Transparent"),
           "the keymap template has the wrong mouse policy");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keymap.json"));
    document->items.append(item.release());
    expect(SaveKeymapConfigAndInfo(path, document.get()), "saving failed");
    std::unique_ptr<KeymapConfig> reloaded(LoadKeymapConfigAndInfo(path));
    expect(reloaded->items.size() == 1 && reloaded->items.first()->typeName == QLatin1String("Click"),
           "the saved document did not reload with its click item");

    const FeatureImageInfo image(QRectF(0.25, 0.5, 0.1, 0.2), QSize(1920, 1080), QImage());
    FeatureImageInfo copy;
    copy = image;
    expect(copy.rect == image.rect && copy.resolution == QSize(1920, 1080), "a feature image did not copy");

    expect(JoystickEvent::ButtonPress >= QEvent::User &&
               JoystickEvent::ButtonPress != JoystickEvent::JoystickDisconnect,
           "the joystick event types are not registered");

    std::printf("consumer: %s\n", failures.isEmpty() ? "ok" : qPrintable(failures.join(QLatin1String("; "))));
    return failures.isEmpty() ? 0 : 1;
}
