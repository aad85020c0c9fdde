# The interface the shared library exports must be exactly the list in exports.txt:
#   bash exports.sh LIBRARY
# Its dynamic symbols in the library's namespace, each cut to the function or class it belongs to
# (signatures vary with the Qt version), the type information of its classes with their names and
# virtual tables (a host's dynamic_cast needs it), FeatureImageInfo's members and the joystick event types. Any other symbol is listed as
# foreign: the library exports nothing of Qt, Poco or the standard library (cmake/exports.map).
nm -D --defined-only -C "$1" | cut -d' ' -f3- | sed -nE \
    -e 's/^(typeinfo|typeinfo name|vtable) for (ovelkeymapmanager::\w+)$/typeinfo \2/p;t' \
    -e 's/^ovelkeymapmanager::(FeatureImageInfo::.*)/\1/p;t' \
    -e 's/^(JoystickEvent::\w+)$/\1/p;t' \
    -e 's/^(vtable for |VTT for |typeinfo name for |guard variable for |construction vtable for .*-in-)?ovelkeymapmanager::(\w+)(::|\().*/\2\3/p;t' \
    -e 's/^/foreign: /p' |
    LC_ALL=C sort -u | diff -u "$(dirname "$0")/exports.txt" - && echo "exports: 1 passed, 0 failed"
