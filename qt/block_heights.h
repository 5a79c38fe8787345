#pragma once
// The heights of a document's blocks in order, kept so that where a block starts and which block
// lies at a given height cost the logarithm of the log's length, not the length: a log of 64k
// lines is asked both on every paint.

#include <vector>

namespace zlx::qt {

class BlockHeights {
  public:
    int size() const { return static_cast<int>(heights_.size()); }
    double height(int block) const { return heights_[static_cast<std::size_t>(block)]; }
    // The heights of the blocks before `block`.
    double before(int block) const;
    double total() const { return before(size()); }
    // The block whose span holds `y` (measured from the first block's top), the first or the
    // last one for a `y` above or below them all.
    int blockAt(double y) const;

    void append(double height);
    void set(int block, double height);
    // Forgets the blocks from `count` on; those before keep their heights.
    void truncate(int count);

  private:
    std::vector<double> heights_;
    // A Fenwick tree: entry i - 1 holds the heights of the blocks (i - lowbit(i), i], so a prefix
    // is a sum of at most log2(n) entries, and cutting the tree short leaves the rest valid.
    std::vector<double> sums_;
};

}  // namespace zlx::qt
