#include "logfile/record_clock.hpp"

#include <algorithm>
#include <cmath>

#include "datalib/calendar.hpp"
#include "platform/clock.hpp"

namespace pelcon {

const std::array<double, kLogScheduleSize> kLogSchedule{
    0.0,        3.47e-06,   6.94e-06,   1.042e-05,  1.389e-05,  1.736e-05,  2.083e-05,  2.431e-05,
    2.778e-05,  3.125e-05,  3.472e-05,  3.819e-05,  4.167e-05,  4.514e-05,  4.861e-05,  5.208e-05,
    5.556e-05,  5.903e-05,  6.25e-05,   6.597e-05,  6.944e-05,  7.35e-05,   7.778e-05,  8.229e-05,
    8.715e-05,  9.225e-05,  9.769e-05,  0.00010347, 0.00010961, 0.00011609, 0.00012292, 0.00013021,
    0.00013785, 0.00014595, 0.00015463, 0.00016377, 0.0001735,  0.0001838,  0.00019468, 0.00020625,
    0.00021852, 0.00023148, 0.00024525, 0.00025984, 0.00027523, 0.00029155, 0.0003088,  0.00032616,
    0.00034468, 0.00036435, 0.00038519, 0.00040718, 0.00043148, 0.00045694, 0.00048356, 0.0005125,
    0.00054259, 0.000575,   0.00060856, 0.00064444, 0.00068264, 0.00072315, 0.00076597, 0.00081111,
    0.00085972, 0.00091065, 0.00096505, 0.00102292, 0.00108426, 0.00114907, 0.00121736, 0.00129028,
    0.00136667, 0.00144769, 0.00153449, 0.00162593, 0.00172315, 0.00182616, 0.00193495, 0.00205069,
    0.00217338, 0.00230301, 0.00244074, 0.00258657, 0.00274051, 0.0029037,  0.00307616, 0.00325903,
    0.00345347, 0.00365949, 0.00387708, 0.00410741, 0.00435162, 0.00461088, 0.00488519, 0.00517569,
    0.00548356, 0.00580995, 0.00615602, 0.00652176, 0.00690949, 0.00732037, 0.00775556, 0.0082162,
    0.00870463, 0.00922199, 0.0097706,  0.01035162, 0.0109662,  0.01161782, 0.01230764, 0.01303912,
    0.01381343, 0.01463403, 0.01550324, 0.01642338, 0.01739907, 0.01843264, 0.01952639, 0.02068495,
    0.02191296, 0.02321389, 0.0245912,  0.02605069, 0.02759699, 0.02923472, 0.03096968, 0.03280764,
    0.0347544,  0.03681574, 0.03899977, 0.04131343, 0.04376366, 0.04635972, 0.04910972, 0.05202176,
    0.05510741, 0.05837593, 0.06183773, 0.0655044,  0.06938866, 0.07350324, 0.07786088, 0.08247778,
    0.08736782, 0.09254722, 0.09803333, 0.10384468, 0.11000093, 0.11652176, 0.12342917, 0.1307463,
    0.1384963,  0.14670579, 0.15540139, 0.16461319, 0.17437014, 0.18470579, 0.1956537,  0.20724977,
    0.21953333, 0.23254491, 0.24632731, 0.26092685, 0.27639097, 0.29277176, 0.31012361, 0.32850324,
    0.34797199, 0.36859468, 0.39043958, 0.41357847, 0.43808889, 0.46405069, 0.49155185, 0.52068264,
    0.55153912, 0.58422431, 0.61884583, 0.65551829, 0.69436435, 0.7355125,  0.77909815, 0.82526713,
    0.87417106, 0.92597315, 0.98084468, 1.03896736, 1.10053449, 1.16574977, 1.23482963, 1.30800208,
    1.38551019, 1.46761204, 1.55457847, 1.64669769, 1.74427523, 1.84763519, 1.95711898, 2.07309005,
    2.1959338,  2.32605648, 2.46388866, 2.60988866, 2.76453912, 2.92835394, 3.10187477, 3.28567801,
    3.4803713,  3.68660162, 3.90505185, 4.13644537, 4.38155069, 4.64117917, 4.9161919,  5.20749977,
    5.51606921, 5.842922};

int LogarithmicCrossover(double maxIntervalDays) {
  const double k = std::floor(40.0 * std::log10(maxIntervalDays * 86400.0) + 39.9653);
  // A zero or tiny interval gives -inf or NaN; the table bounds the rest.
  if (!(k >= 1.0)) return 1;
  return static_cast<int>(std::min(k, static_cast<double>(kLogScheduleSize)));
}

double StampToJulian(const Stamp& stamp) {
  DateTimeRecord record;
  record.year = stamp.year;
  record.month = stamp.month;
  record.day = stamp.day;
  record.hour = stamp.hour;
  record.minute = stamp.minute;
  record.second = stamp.second;
  record.millisecond = static_cast<std::uint16_t>(stamp.hundredths * 10);
  double julian = 0.0;
  DateTimeToJulian(record, julian);
  return julian;
}

double LocalNowJulian() {
  double julian = 0.0;
  DateTimeToJulian(platform::LocalNow(), julian);
  return julian;
}

RecordClock::RecordClock(const LogBlocks& blocks, int testType, double startTime)
    : testType_(testType), start_(startTime) {
  switch (testType) {
    case kLinearTestBlock:
      interval_ = blocks.linearTest.interval.Days();
      break;
    case kLinearAverageTestBlock:
      interval_ = blocks.linearAverageTest.interval.Days();
      break;
    case kLogarithmicTestBlock:
      interval_ = blocks.logarithmicTest.maxInterval.Days();
      crossover_ = LogarithmicCrossover(interval_);
      break;
    default:
      break;
  }
}

double RecordClock::TimeOf(std::size_t index, std::uint32_t elapsedSeconds) {
  const double i = static_cast<double>(index);
  switch (testType_) {
    case kLinearTestBlock:
    case kLinearAverageTestBlock:
      return start_ + i * interval_;
    case kLogarithmicTestBlock: {
      const auto k = static_cast<std::size_t>(crossover_);
      if (index < k) return start_ + kLogSchedule[index];
      return start_ + kLogSchedule[k - 1] + (i - static_cast<double>(k) + 1.0) * interval_;
    }
    default:
      break;
  }
  if (elapsedSeconds > 0) return start_ + elapsedSeconds / 86400.0;
  if (index == 0) return start_;
  if (now_ == 0.0) now_ = LocalNowJulian();
  return now_;
}

}  // namespace pelcon
