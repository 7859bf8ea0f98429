#pragma once

#include <cstdint>
#include <memory>

#include "grid/GridSource.h"
#include "toolkit/ZFile.h"

// A 5-degree grid in a text file of month blocks from January of the first year: a header line
// naming the month and 36 lines of 72 values, every block of the same size. A month is read
// straight from its place in the file (k x block size).
class TextBlockSource : public GridSource {
  public:
    // Opens the file and checks its first blocks; raises ZException when it cannot be opened.
    explicit TextBlockSource(const ZString& name);

    // Bytes per month block for a file name.
    static std::uint64_t blockSizeFor(const ZString& name);
    std::uint64_t blockSize() const { return blockSize_; }

    std::uint32_t cellSize() const override { return 5; }
    void read(const MonthSelection& selection, MonthGrid& grid) override;
    const ZString& layoutProblem() const override { return layoutProblem_; }
    // Set when the blocks have another size than the name says and the file shows which (LF
    // line ends where CRLF are expected, say); the file is then read with that size.
    const ZString& layoutNote() const override { return layoutNote_; }
    std::uint32_t notNumbers() const override { return notNumbers_; }
    std::uint64_t endOfData() const override;

  private:
    // Checks the file's first blocks against the size its name gives and takes the size the
    // file really has when that is plain.
    void probeBlockSize();
    // Adds block k, that of the given month of the year, to the sums and counts; false (with
    // layoutProblem set) when the block does not start with that month's header or does not
    // end where the next block starts.
    bool readBlock(std::uint64_t k, std::uint32_t year, std::uint32_t month, MonthGrid& grid);
    bool readBlockByLines(std::uint64_t k, std::uint32_t year, std::uint32_t month,
                          MonthGrid& grid);

    ZString fileName_;
    ZFile file_;
    std::uint64_t blockSize_ = 0;
    std::unique_ptr<char[]> blockBuffer_;
    std::uint64_t blockBufferSize_ = 0;
    ZString layoutProblem_;
    ZString layoutNote_;
    std::uint32_t notNumbers_ = 0;
};
