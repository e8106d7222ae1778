#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

namespace tessellon {

// ImageReducer::BoxReduced made from the photo's rows as they pass, top to bottom, without
// holding them: the sums of one row of blocks are kept until its last source row has come.
// With factor 1 the rectangle's pixels are kept as they are.
class RowBoxReducer {
public:
    // The average of each factor x factor block of `rect` (inside the photo), as BoxReduced.
    RowBoxReducer(const QRect& rect, int factor);

    // The first and last photo row the reduction reads.
    int FirstRow() const { return rect_.top(); }
    int LastRow() const { return rect_.top() + out_.height() * factor_ - 1; }
    // Row y of the photo (three bytes a pixel from its left edge); rows outside FirstRow ..
    // LastRow are ignored. Every row in between comes once, in order.
    void AddRow(int y, const std::uint8_t* row);
    // The reduced picture (32-bit, as smooth scaling takes it); null until every row has come,
    // or when memory was short.
    QImage Result() const { return next_ > LastRow() ? out_ : QImage(); }

private:
    QRect rect_;
    int factor_;
    QImage out_;
    // The block's rows summed down each byte column: 16 bits where they fit.
    std::vector<quint16> small_;
    std::vector<quint32> sums_;
    int next_; // the row expected next
};

} // namespace tessellon
