#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <algorithm>
#include <vector>

/// Keys looked up with "IN (?, ?, …)", cut into chunks few enough per statement for every engine's limit on bound
/// values: each chunk's marks and the values they bind.
struct KeyChunk
{
    QString marks;
    QVariantList binds;
};

inline std::vector<KeyChunk> keyChunks(const std::vector<int>& ids, size_t chunk = 500)
{
    std::vector<KeyChunk> chunks;
    for (size_t start = 0; start < ids.size(); start += chunk) {
        QStringList marks;
        KeyChunk c;
        for (size_t i = start; i < std::min(ids.size(), start + chunk); ++i) {
            marks << QStringLiteral("?");
            c.binds << ids[i];
        }
        c.marks = marks.join(u',');
        chunks.push_back(std::move(c));
    }
    return chunks;
}
