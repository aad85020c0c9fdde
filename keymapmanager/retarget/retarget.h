// Moving a keymap to another screen size or aspect ratio: the options of the move and its report.
// Game interfaces do not stretch with the screen; they keep each control at a fixed distance from
// the edge or corner it belongs to and scale it with the screen, and so does the move.
#pragma once

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

namespace ovelkeymapmanager {

// What the scale s of the game's interface follows: the width ratio W2/W1, the height ratio H2/H1,
// the smaller or the larger of the two.
enum class RetargetScale { Width, Height, Min, Max };

struct KeymapRetargetOptions {
    RetargetScale scale = RetargetScale::Min;
    // When above 0: on each screen the interface lives in a horizontally centred frame of width
    // min(W, H * safeAspect) and full height. Otherwise the frame is the whole screen.
    double safeAspect = 0;
    // Anchors fixed for single items, by their index in "keymaps" as saving writes the document:
    // 0, 0.5 or 1 of the frame on each axis (0, 0 the top-left corner). The other items take the
    // anchor their work position's third of the frame gives.
    QMap<int, QPointF> anchors;
};

// One item as it was moved.
struct KeymapRetargetItem {
    int element = -1; // its index in "keymaps" as saving writes the document
    QString type;
    QPointF anchor;           // 0, 0.5 or 1 of the frame on each axis
    bool anchorGiven = false; // taken from the options rather than inferred
    QPointF oldPosition;      // the work position before and after
    QPointF newPosition;
};

// Something the move could not do, or did with a consequence worth knowing.
struct KeymapRetargetFinding {
    QString path; // from the root: "keymaps[3].press_actions[1]", "keymaps[0].icon.rel_position"
    QString message;
    bool left = false; // true: the line or member could not be moved and was left as it was
};

struct KeymapRetargetReport {
    QList<KeymapRetargetItem> items;
    QList<KeymapRetargetFinding> findings;

    // Whether a line or member was left as it was.
    bool leftSomething() const {
        for (const KeymapRetargetFinding& finding : findings) {
            if (finding.left)
                return true;
        }
        return false;
    }
};

} // namespace ovelkeymapmanager
