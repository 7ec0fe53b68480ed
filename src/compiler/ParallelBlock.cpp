#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"

#include <algorithm>

namespace velmora {

namespace {

// Segments end at column 6 at most: column 7 belongs to the coils.
constexpr int LastLogicColumn = CoilColumn - 1;

// A row profile holds 10000 per empty cell, 100 per filled cell and 1 per filled cell that is
// not a line.
constexpr int EmptyWeight = 10000;
constexpr int FilledWeight = 100;

} // namespace

// --- the block ----------------------------------------------------------------------------

bool LadderCompiler::ParallelBlock(int first, int last, int from, int to) {
    // Cut the block at its merge columns.
    if (!SplitColumns(first, last, from, to)) {
        RecordError(0, 1016, first);
        return false;
    }
    // Nested blocks rebuild the shared segments; this level keeps its own.
    SegmentCopy copy;
    copy.count = segmentCount;
    copy.list = segments;
    blockLast = last;
    blockFirst = first;

    // Segment by segment; a segment's columns are segment.start to e.
    for (int s = 0; s < copy.count; ++s) {
        ColumnSegment& segment = copy.list[static_cast<std::size_t>(s)];
        if (segment.start >= CoilColumn) {
            return true;
        }
        const int e = std::min(segment.end, LastLogicColumn);

        if (segment.parallel == 0) {
            const int s0 = segment.start;
            if (!CheckNotAllLines(first, s0, e)) {
                return false;
            }
            if (s == copy.count - 1 && !CheckOnlyFirstRow(first, last, s0, e)) {
                return false;
            }
            if (s == 0) {
                if (RowProfile(first, s0, e, false) == 0) {
                    return true;
                }
                if (!SeriesRow(first, s0, e, 0)) {
                    return false;
                }
            } else if (!AndSeries(first, s0, e)) {
                return false;
            }
            continue;
        }

        // Parallel segment, branch by branch; BranchEnd may move r down and segment.start left.
        int k = 0;
        int cc = 0;
        int r = first;
        int rEnd = BranchEnd(r, last, segment, false, s);
        if (rEnd == -1) {
            return false;
        }
        while (r <= rEnd) {
            const int s0 = segment.start;
            if (!CheckNotAllLines(r, s0, e)) {
                return false;
            }
            if (LastLinkColumn(r, s0, e) != 0) {
                const BlockRows saved = SaveBlockRows();
                int r2 = r + 1;
                while (r2 <= rEnd && LastLinkColumn(r2, s0, e) != 0) {
                    ++r2;
                }
                if (!ParallelBlock(r, r2, s0, e)) {
                    return false;
                }
                RestoreBlockRows(saved);
                if (k > 0 && !EmitLine("OR.STK    ", last)) {
                    return false;
                }
                r = r2;
                cc = 1;
            } else {
                cc = CountContacts(r, s0, e);
                if (cc == 1) {
                    if (!BranchSeries(k > 0, r, s0, e)) {
                        return false;
                    }
                } else if (cc > 1) {
                    if (!SeriesRow(r, s0, e, 0)) {
                        return false;
                    }
                    if (k > 0 && !EmitLine("OR.STK", r)) {
                        return false;
                    }
                }
            }
            ++r;
            if (r > last) {
                break;
            }
            rEnd = BranchEnd(r, last, segment, true, s);
            if (rEnd == -1) {
                return false;
            }
            ++k;
        }
        if (s > 0) {
            const ColumnSegment& leftmost = copy.list[0];
            if (s == 1 && leftmost.parallel == 0 &&
                CountContacts(first, leftmost.start, leftmost.end) == 0) {
                RecordError(0, 1017, first);
                return false;
            }
            if (segment.start > 0 && cc > 0) {
                const int join = NeedAndStk(copy, s);
                if (join == -1) {
                    return false;
                }
                if (join == 1 && !EmitLine("AND.STK", first)) {
                    return false;
                }
            }
        }
    }
    return true;
}

LadderCompiler::BlockRows LadderCompiler::SaveBlockRows() const {
    return BlockRows{blockFirst, blockLast};
}

void LadderCompiler::RestoreBlockRows(const BlockRows& saved) {
    blockFirst = saved.first;
    blockLast = saved.last;
}

// --- cutting the block into segments ------------------------------------------------------

bool LadderCompiler::SplitColumns(int first, int last, int from, int to) {
    if (first >= last || from == to) {
        return false;
    }
    boundaryCount = 0;
    segmentCount = 0;
    for (int c = from; c <= to; ++c) {
        const int merge = MergePoint(first, last, c);
        if (merge == -1) {
            return false;
        }
        if (merge == 1) {
            if (boundaryCount >= MaxBoundaries) {
                return false;
            }
            boundaryStack[static_cast<std::size_t>(boundaryCount++)] = c;
        }
    }
    if (boundaryCount == 0 || boundaryCount >= MaxBoundaries) {
        return false;
    }
    boundaryStack[static_cast<std::size_t>(boundaryCount++)] = to;
    for (int j = 0; j < boundaryCount; ++j) {
        if (segmentCount >= MaxSegments) {
            return false;
        }
        ColumnSegment segment;
        segment.start = j == 0 ? from : boundaryStack[static_cast<std::size_t>(j - 1)] + 1;
        segment.end = boundaryStack[static_cast<std::size_t>(j)];
        segment.parallel = segment.start <= segment.end &&
                           LastLinkColumn(first, segment.start, segment.end + 1) != 0;
        segments[static_cast<std::size_t>(segmentCount++)] = segment;
    }
    return true;
}

int LadderCompiler::MergePoint(int first, int last, int col) {
    constexpr int MaxSpan = 100;
    if (col < 0 || last - first < 1 || last - first >= MaxSpan) {
        return -1;
    }
    if (col == CoilColumn) {
        return 0;
    }
    const auto bothEmpty = [this, col](int row) {
        return CellAt(row, col).code == Element::Empty &&
               CellAt(row, col + 1).code == Element::Empty;
    };
    int gaps = 0;
    bool broken = false;
    bool ended = false;
    std::array<int, MaxSpan> gapRow{};

    for (int r = first; r <= last; ++r) {
        if (!HasLink(r, col)) {
            if (r == first) {
                return 0;
            }
            if (r < last) {
                for (int x = r + 1; x <= last - 1; ++x) {
                    if (HasLink(x, col)) {
                        RecordError(0, 1017, x);
                        return -1;
                    }
                }
                broken = true;
            }
        }
        int& gap = gapRow[static_cast<std::size_t>(r - first)];
        if (bothEmpty(r)) {
            gap = r - 1;
            ++gaps;
            if (r == last) {
                if (!HasLink(r, col) || bothEmpty(r + 1)) {
                    ended = true;
                }
                if (broken || ended) {
                    RecordError(0, 1030, gap);
                    ended = true;
                }
            }
        } else {
            gap = 0;
        }
        if (broken) {
            break;
        }
    }

    if (gaps == last - first) {
        bool failed = false;
        for (int r = first; r <= last - 1; ++r) {
            const int gap = gapRow[static_cast<std::size_t>(r - first)];
            if (gap != 0 && (gap != last || ended)) {
                RecordError(0, 1030, gap);
                failed = true;
            }
        }
        return failed ? -1 : 1;
    }
    return ended ? -1 : 1;
}

// --- branches of a parallel segment -------------------------------------------------------

int LadderCompiler::BranchEnd(int& r, int last, ColumnSegment& segment, bool continuing, int s) {
    const int e = segment.end;
    if (r > last) {
        return -1;
    }
    int i = r;
    for (; i <= last; ++i) {
        const int s0 = segment.start;

        // A link inside the segment: a nested block follows, closed on both sides or not at all.
        const int v = LastLinkColumn(i, s0, e);
        if (v > 0) {
            const int p = RowProfile(i + 1, s0, v - 1, true);
            if (p >= 0) {
                if ((s0 == 0 || HasLink(i, s0 - 1)) && (e + 1 >= ColumnsPerRow || HasLink(i, e) ||
                                                        RowProfile(i + 1, v, e + 1, true) <= 0)) {
                    return last;
                }
                RecordError(0, 1017, i + 1);
                return -1;
            }
            return -1;
        }

        // An open right edge: the row below is half filled at the segment's end.
        if (i < last && e + 1 < ColumnsPerRow && !HasLink(i, e) &&
            ((CellAt(i + 1, e).code == Element::Empty) !=
             (CellAt(i + 1, e + 1).code == Element::Empty))) {
            RecordError(0, 1009, i + 1);
            return -1;
        }

        // The row above does not close the segment down to this row: no further branch.
        if (continuing && e + 1 < ColumnsPerRow && !HasLink(i - 1, e)) {
            bool anyEmpty = false;
            bool anyFilled = false;
            for (int c = s0; c <= e + 1; ++c) {
                (CellAt(i, c).code == Element::Empty ? anyEmpty : anyFilled) = true;
            }
            if (anyEmpty && anyFilled) {
                RecordError(0, 1009, i + 1);
                return -1;
            }
            return r - 1;
        }

        const int p = RowProfile(i, s0, e, false);
        if (p > 0 && p < EmptyWeight) {
            // This row is the branch. A branch that starts left of the segment takes the columns
            // up to the link that opens it.
            if (blockFirst < i && s0 > 0 && !HasLink(i - 1, s0 - 1)) {
                int moved = s0;
                while (moved - 1 >= 0 && !HasLink(i - 1, moved - 1)) {
                    --moved;
                }
                segment.start = moved;
                if (s0 > 0 && s > 0 && RowProfile(blockFirst, s0, e, false) % FilledWeight > 0 &&
                    !EmitLine("AND.STK", i)) {
                    return 0;
                }
            }
            break;
        }
        if (p == -1) {
            return -1;
        }
        if (p > EmptyWeight) {
            RecordError(0, 1009, i);
            return -1;
        }
        if (r + 1 <= last) {
            ++r;
        }
    }
    return i <= last ? i : r - 1;
}

int LadderCompiler::NeedAndStk(const SegmentCopy& copy, int s) {
    const ColumnSegment& current = copy.list[static_cast<std::size_t>(s)];
    const ColumnSegment& previous = copy.list[static_cast<std::size_t>(s - 1)];
    const bool hasNext = s + 1 < copy.count;
    const ColumnSegment next =
        hasNext ? copy.list[static_cast<std::size_t>(s + 1)] : ColumnSegment{};

    // The segment reaches into the block's last row.
    for (int c = current.start; c <= current.end; ++c) {
        if (HasLink(blockLast - 1, c)) {
            return 1;
        }
    }

    // The row where a segment's right-edge link ends, not counting the empty rows above it.
    const auto endRowOf = [this](const ColumnSegment& segment) {
        int endRow = 0;
        int run = 0;
        for (int row = blockFirst; row <= blockLast - 1; ++row) {
            run = RowProfile(row, segment.start, segment.end, false) == 0 ? run + 1 : 0;
            if (endRow == 0 && !HasLink(row, segment.end)) {
                endRow = row - run;
            }
        }
        return endRow;
    };
    int previousEnd = endRowOf(previous);
    const int currentEnd = endRowOf(current);
    int nextEnd = hasNext ? endRowOf(next) : 0;
    if (previousEnd == 0) {
        previousEnd = blockLast;
    }
    if (hasNext && nextEnd == 0) {
        nextEnd = blockLast;
    }

    bool done = previousEnd == currentEnd && (!hasNext || currentEnd == nextEnd);

    // From the current segment's end row down: links crossing into it are not supported, and
    // the rows the previous segment's link still joins are counted.
    int count = 0;
    for (int r = currentEnd; r <= blockLast - 1 && !done; ++r) {
        if (RowProfile(r + 1, current.start, current.end, false) != 0) {
            if ((hasNext && LastLinkColumn(r, next.start, next.end) != 0) ||
                (LastLinkColumn(r, current.start, current.end) != 0 &&
                 LastLinkColumn(r, previous.start, previous.end) != 0)) {
                RecordError(0, 1017, r);
                return -1;
            }
            if (previousEnd > currentEnd && !(hasNext && HasLink(r, next.end))) {
                return 0;
            }
        } else if (previous.end + 1 < ColumnsPerRow) {
            if (!HasLink(r, previous.end)) {
                done = true;
            } else {
                ++count;
            }
        }
    }

    return (previousEnd <= currentEnd || done || count == previousEnd - currentEnd) ? 1 : 0;
}

// --- row predicates -----------------------------------------------------------------------

int LadderCompiler::RowProfile(int row, int from, int to, bool strict) {
    if (row >= program->rowCount) {
        return -1;
    }
    int sum = 0;
    for (int c = from; c <= to; ++c) {
        const ElementCode code = CellAt(row, c).code;
        if (code == Element::Empty) {
            sum += EmptyWeight;
        } else {
            sum += FilledWeight + (code != Element::Line ? 1 : 0);
        }
    }
    if ((sum % EmptyWeight) / FilledWeight == 0) {
        return 0;
    }
    if (strict && sum % FilledWeight == 0) {
        RecordError(0, 1024, row);
        return -1;
    }
    return sum;
}

int LadderCompiler::CountContacts(int row, int from, int to) const {
    int count = 0;
    for (int c = from; c <= to; ++c) {
        const ElementCode code = CellAt(row, c).code;
        if (code == Element::OpenContact || code == Element::ClosedContact) {
            ++count;
        }
    }
    return count;
}

bool LadderCompiler::CheckNotAllLines(int row, int from, int to) {
    if (row >= program->rowCount) {
        return false;
    }
    if ((to == LastLogicColumn && row == blockFirst) || from > to) {
        return true;
    }
    for (int c = from; c <= to; ++c) {
        if (CellAt(row, c).code != Element::Line) {
            return true;
        }
    }
    RecordError(0, 1041, row);
    return false;
}

bool LadderCompiler::CheckOnlyFirstRow(int first, int last, int from, int to) {
    for (int r = first; r <= last; ++r) {
        for (int c = from; c <= to; ++c) {
            const ElementCode code = CellAt(r, c).code;
            if (r == first && code == Element::Empty) {
                RecordError(0, 1009, first);
                return false;
            }
            if (r > first && code != Element::Empty) {
                RecordError(0, CellAt(r, CoilColumn).code == Element::Empty ? 1024 : 1006, r);
                return false;
            }
        }
    }
    return true;
}

} // namespace velmora
