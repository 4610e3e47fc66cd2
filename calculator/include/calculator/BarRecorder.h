#pragma once

#include <string>
#include <vector>

#include "fees/ComputeFees.h"

namespace hovorix::calculator {

// A bar sink that keeps the bars of the latest fee run. It stands in for the
// fee chart's series on the results page until the chart widget is in place.
class BarRecorder : public BarSink {
public:
    struct Bar {
        double value;
        std::string label;  // Windows-1250
        BarColour colour;
    };

    void ClearBars() override { bars_.clear(); }
    int AddBar(double value, const std::string& label, BarColour colour) override {
        bars_.push_back({value, label, colour});
        return static_cast<int>(bars_.size()) - 1;
    }

    const std::vector<Bar>& bars() const { return bars_; }

private:
    std::vector<Bar> bars_;
};

}  // namespace hovorix::calculator
