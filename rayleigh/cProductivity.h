#pragma once

namespace korval {

// The productivity of an application type, held both as productivity index (PI) and as
// productivity measure (PM). The two are kept consistent by the conversion
// PM = 10^(a x PI + b); which of them was given decides what files store and which
// value the attributes dialog lets the user edit.
class cProductivity {
  public:
    // Each index step multiplies the measure by 10^a (about 1.272).
    static constexpr double kIndexSlope = 0.104513950904823;
    static constexpr double kIndexOffset = 2.77859411713129;

    cProductivity() { FromIndex(0.0); }

    void FromIndex(double pi);
    void FromMeasure(double pm);

    double Index() const { return index_; }
    double Measure() const { return measure_; }
    bool IsFromMeasure() const { return fromMeasure_; }

  private:
    double index_ = 0.0;
    double measure_ = 0.0;
    bool fromMeasure_ = false;
};

}  // namespace korval
