#include "qt/block_heights.h"

namespace zlx::qt {

namespace {
int lowBit(int i) {
    return i & -i;
}
}  // namespace

double BlockHeights::before(int block) const {
    double sum = 0;
    for (int i = block; i > 0; i -= lowBit(i)) sum += sums_[static_cast<std::size_t>(i - 1)];
    return sum;
}

int BlockHeights::blockAt(double y) const {
    if (heights_.empty()) return -1;
    // Descends the tree: the most blocks whose heights together do not pass `y`.
    int count = 0;
    int step = 1;
    while (step * 2 <= size()) step *= 2;
    for (; step > 0; step /= 2) {
        const int next = count + step;
        if (next <= size() && sums_[static_cast<std::size_t>(next - 1)] <= y) {
            count = next;
            y -= sums_[static_cast<std::size_t>(next - 1)];
        }
    }
    return count < size() ? count : size() - 1;
}

void BlockHeights::append(double height) {
    const int i = size() + 1;
    heights_.push_back(height);
    sums_.push_back(height + before(i - 1) - before(i - lowBit(i)));
}

void BlockHeights::set(int block, double height) {
    const double delta = height - heights_[static_cast<std::size_t>(block)];
    if (delta == 0) return;
    heights_[static_cast<std::size_t>(block)] = height;
    for (int i = block + 1; i <= size(); i += lowBit(i))
        sums_[static_cast<std::size_t>(i - 1)] += delta;
}

void BlockHeights::truncate(int count) {
    if (count >= size()) return;
    heights_.resize(static_cast<std::size_t>(count));
    sums_.resize(static_cast<std::size_t>(count));
}

}  // namespace zlx::qt
