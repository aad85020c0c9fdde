#include "common/suggest.h"

#include <algorithm>
#include <vector>

namespace keymapctl {

namespace {

// Optimal string alignment distance.
int distance(const QString& a, const QString& b) {
    const int n = a.size();
    const int m = b.size();
    std::vector<std::vector<int>> d(std::size_t(n + 1), std::vector<int>(std::size_t(m + 1)));
    for (int i = 0; i <= n; ++i)
        d[i][0] = i;
    for (int j = 0; j <= m; ++j)
        d[0][j] = j;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[n][m];
}

} // namespace

int editDistance(const QString& a, const QString& b) {
    return distance(a.toLower(), b.toLower());
}

QString nearestName(const QString& word, const QStringList& candidates) {
    const QString folded = word.toLower();
    // A third of the word may be wrong, but never all of a short one.
    const int allowed = std::max(1, std::min(int(folded.size()) / 3, int(folded.size()) - 1));
    QString best;
    int bestDistance = allowed + 1;
    for (const QString& candidate : candidates) {
        const int d = distance(folded, candidate.toLower());
        if (d < bestDistance && candidate != word) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

QString didYouMean(const QString& word, const QStringList& candidates) {
    const QString nearest = nearestName(word, candidates);
    return nearest.isEmpty() ? QString() : QStringLiteral("; did you mean %1?").arg(nearest);
}

} // namespace keymapctl
