// wakeline-cli replay into a real pty at full rate; gpsbabel decodes the stream as an independent
// NMEA reader.
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <future>

#include "cli_util.h"

namespace wl {
namespace {

// Six points 30 s apart: two legs north, two east, one north-east, about 6 kn.
const char* kTrack =
    "/* pty replay */\r\n"
    "20240601 10:00:00,54.000000,10.000000,6,0,0,0,11.1,0,0.5,0,5,6,0,0,5.9\r\n"
    "20240601 10:00:30,54.000833,10.000000,6,0,0,0,11.2,0,0.5,0,5,6,0,0,5.9\r\n"
    "20240601 10:01:00,54.001667,10.000000,6,0,0,0,11.3,0,0.5,0,5,6,0,0,5.9\r\n"
    "20240601 10:01:30,54.001667,10.001417,6,1.5708,0,0,11.4,0,0.5,0,5,6,0,0,5.9\r\n"
    "20240601 10:02:00,54.001667,10.002833,6,1.5708,0,0,11.5,0,0.5,0,5,6,0,0,5.9\r\n"
    "20240601 10:02:30,54.002250,10.003833,6,0.7854,0,0,11.6,0,0.5,0,5,6,0,0,5.9\r\n";

struct Rmc {
  double lat, lon, knots, course;
  std::string time, date;
};

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string f; std::getline(in, f, sep);) out.push_back(f);
  if (!s.empty() && s.back() == sep) out.emplace_back();
  return out;
}

// Checks the checksum of a "$GP" sentence (without CR LF) and decodes its fields.
Rmc DecodeRmc(const std::string& s) {
  const size_t star = s.find('*');
  unsigned c = 0;
  for (size_t i = 1; i < star; ++i) c ^= static_cast<unsigned char>(s[i]);
  char hex[3];
  std::snprintf(hex, sizeof hex, "%02X", c);
  EXPECT_EQ(s.substr(star + 1), hex) << s;
  const auto f = Split(s.substr(0, star), ',');
  EXPECT_EQ(f.size(), 12u) << s;
  auto deg = [](const std::string& v, int d) { return std::stod(v.substr(0, d)) + std::stod(v.substr(d)) / 60; };
  return {deg(f[3], 2) * (f[4] == "S" ? -1 : 1), deg(f[5], 3) * (f[6] == "W" ? -1 : 1), std::stod(f[7]),
          std::stod(f[8]), f[1], f[9]};
}

// The value of <tag>...</tag> or of name="..." after position at.
std::string Tag(const std::string& xml, const std::string& tag, size_t at) {
  const size_t open = xml.find("<" + tag + ">", at) + tag.size() + 2;
  return xml.substr(open, xml.find("</" + tag + ">", open) - open);
}
std::string Attr(const std::string& xml, const std::string& name, size_t at) {
  const size_t p = xml.find(name + "=\"", at) + name.size() + 2;
  return xml.substr(p, xml.find('"', p) - p);
}

TEST(CliReplayPty, FullRateStreamDecodedByGpsbabel) {
  ASSERT_EQ(system("command -v gpsbabel >/dev/null"), 0) << "gpsbabel is missing: run make deps";
  test::TempDir dir;
  const std::string track = dir.File("pty.trt");
  test::WriteFile(track, kTrack);
  int master = -1, slave = -1;
  ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  const std::string device = ttyname(slave);

  const std::time_t started = std::time(nullptr);
  auto run = std::async(std::launch::async, [&] {
    return test::RunCli({"replay", track, "--rate", "600", "--to", device, "--dbt", "--vhw", "--wind", "mwv",
                         "--port-settings", "38400, n, 8, 1"});
  });
  std::string stream;  // read the far side until the replay has ended and the line is quiet
  for (;;) {
    pollfd p{master, POLLIN, 0};
    char buf[4096];
    ssize_t n;
    if (poll(&p, 1, 200) > 0 && (p.revents & POLLIN) && (n = read(master, buf, sizeof buf)) > 0)
      stream.append(buf, static_cast<size_t>(n));
    else if (run.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
      break;
  }
  const test::CliRun result = run.get();
  close(master);
  close(slave);
  ASSERT_EQ(result.exitCode, 0) << result.err;

  // Bursts of RMC, DBT, VHW, MWV, each sentence ending in CR LF, nothing else on the line.
  ASSERT_GE(stream.size(), 2u);
  ASSERT_EQ(stream.substr(stream.size() - 2), "\r\n");
  std::vector<std::string> sentences = Split(stream.substr(0, stream.size() - 1), '\n');
  const char* order[] = {"$GPRMC,", "$STDBT,", "$STVHW,", "$WIMWV,"};
  ASSERT_EQ(sentences.size() % 4, 0u) << stream;
  std::vector<Rmc> sent;
  for (size_t i = 0; i < sentences.size(); ++i) {
    ASSERT_EQ(sentences[i].back(), '\r') << sentences[i];
    sentences[i].pop_back();
    EXPECT_EQ(sentences[i].rfind(order[i % 4], 0), 0u) << sentences[i];
    if (i % 4 == 0) sent.push_back(DecodeRmc(sentences[i]));
  }

  // Ticks: point 1, then per 30-second leg one step (the next position) and the point itself.
  const double lats[] = {54.000833, 54.001667, 54.001667, 54.001667, 54.002250};
  const double lons[] = {10.000000, 10.000000, 10.001417, 10.002833, 10.003833};
  ASSERT_EQ(sent.size(), 9u);
  for (size_t k = 0; k < sent.size(); ++k) {
    EXPECT_NEAR(sent[k].lat, lats[(k + 1) / 2], 1e-5) << k;
    EXPECT_NEAR(sent[k].lon, lons[(k + 1) / 2], 1e-5) << k;
    EXPECT_NEAR(sent[k].knots, 6, 0.1) << k;
  }
  EXPECT_NEAR(sent[0].course, 0, 0.5);
  EXPECT_NEAR(sent[4].course, 90, 0.5);
  EXPECT_NEAR(sent[7].course, 90, 0.5);  // the step carries the previous point's course
  EXPECT_NEAR(sent[8].course, 45, 2);

  // gpsbabel keeps one fix per second, so each burst goes in as a file of its own.
  std::string inputs;
  for (size_t i = 0; i < sentences.size(); i += 4) {
    const std::string file = dir.File("burst" + std::to_string(i / 4) + ".nmea");
    test::WriteFile(file, sentences[i] + "\r\n" + sentences[i + 1] + "\r\n" + sentences[i + 2] + "\r\n" +
                              sentences[i + 3] + "\r\n");
    inputs += " -f " + file;
  }
  const std::string gpx = dir.File("out.gpx");
  ASSERT_EQ(system(("gpsbabel -i nmea" + inputs + " -o gpx -F " + gpx + " 2>&1").c_str()), 0);
  const std::string xml = test::ReadFile(gpx);
  size_t at = 0;
  for (size_t k = 0; k < sent.size(); ++k, ++at) {
    at = xml.find("<trkpt ", at);
    ASSERT_NE(at, std::string::npos) << "gpsbabel decoded only " << k << " fixes";
    EXPECT_NEAR(std::stod(Attr(xml, "lat", at)), sent[k].lat, 1e-8) << k;
    EXPECT_NEAR(std::stod(Attr(xml, "lon", at)), sent[k].lon, 1e-8) << k;
    EXPECT_NEAR(std::stod(Tag(xml, "speed", at)), sent[k].knots * 1852 / 3600, 1e-4) << k;
    EXPECT_NEAR(std::stod(Tag(xml, "course", at)), sent[k].course, 1e-6) << k;
    const std::string t = Tag(xml, "time", at);  // YYYY-MM-DDTHH:MM:SSZ
    EXPECT_EQ(t.substr(11, 2) + t.substr(14, 2) + t.substr(17, 2), sent[k].time) << k;
    EXPECT_EQ(t.substr(8, 2) + t.substr(5, 2) + t.substr(2, 2), sent[k].date) << k;
  }
  // The computer clock's time, moved back by the 02:00:00 offset of TRT files.
  std::tm local{};
  const std::time_t shifted = started - 2 * 3600;
  localtime_r(&shifted, &local);
  char expect[7];
  std::strftime(expect, sizeof expect, "%H%M%S", &local);
  EXPECT_LE(std::abs(std::stoi(sent[0].time) - std::stoi(expect)), 3) << sent[0].time << " vs " << expect;
}

}  // namespace
}  // namespace wl
