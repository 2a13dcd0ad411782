// SPDX-License-Identifier: GPL-3.0-or-later
// Draws Moonrill's own animation clips frame by frame and writes them as uncompressed AVI files:
// a ringing bell, a pen writing, a clock, a server sending and an update arriving.
// Usage: makeclips OUTPUT_FOLDER

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Rgb
{
    uint8_t r, g, b;
};

// One palette for every clip; index 0 is the background.
const std::vector<Rgb> Palette = {
    {255, 255, 255}, // 0 white background
    {40, 40, 40},    // 1 outline
    {235, 180, 30},  // 2 gold
    {180, 120, 10},  // 3 dark gold
    {70, 110, 200},  // 4 blue
    {200, 40, 40},   // 5 red
    {60, 160, 70},   // 6 green
    {150, 150, 160}, // 7 grey
    {220, 225, 235}, // 8 light grey
    {255, 240, 160}, // 9 light yellow
};

constexpr double Pi = 3.14159265358979323846;

/// A palettised picture with a few filled shapes, enough for small clips.
class Canvas
{
public:
    Canvas(int w, int h) : m_w(w), m_h(h), m_pixels(size_t(w) * size_t(h), 0) {}

    [[nodiscard]] int width() const { return m_w; }
    [[nodiscard]] int height() const { return m_h; }
    [[nodiscard]] uint8_t at(int x, int y) const
    {
        return m_pixels[size_t(y) * size_t(m_w) + size_t(x)];
    }

    void set(int x, int y, uint8_t c)
    {
        if (x >= 0 && y >= 0 && x < m_w && y < m_h)
            m_pixels[size_t(y) * size_t(m_w) + size_t(x)] = c;
    }
    void disc(double cx, double cy, double r, uint8_t c)
    {
        for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
            for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x)
                if ((x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy) <= r * r)
                    set(x, y, c);
    }
    void ring(double cx, double cy, double r, double thickness, uint8_t c)
    {
        for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
            for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (d <= r && d >= r - thickness)
                    set(x, y, c);
            }
    }
    void line(double x0, double y0, double x1, double y1, double width, uint8_t c)
    {
        const int steps = int(std::hypot(x1 - x0, y1 - y0) * 2) + 1;
        for (int i = 0; i <= steps; ++i) {
            const double t = double(i) / steps;
            disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, c);
        }
    }
    void rect(int x0, int y0, int x1, int y1, uint8_t c)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                set(x, y, c);
    }
    /// A filled polygon by the even-odd rule at pixel centres.
    void polygon(const std::vector<std::pair<double, double>> &points, uint8_t c)
    {
        for (int y = 0; y < m_h; ++y) {
            const double py = y + 0.5;
            for (int x = 0; x < m_w; ++x) {
                const double px = x + 0.5;
                bool inside = false;
                for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                    const auto [xi, yi] = points[i];
                    const auto [xj, yj] = points[j];
                    if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
                        inside = !inside;
                }
                if (inside)
                    set(x, y, c);
            }
        }
    }

private:
    int m_w, m_h;
    std::vector<uint8_t> m_pixels;
};

void put32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += char((v >> (8 * i)) & 0xff);
}
void put16(std::string &out, uint16_t v)
{
    out += char(v & 0xff);
    out += char(v >> 8);
}
std::string chunk(const char *id, const std::string &body)
{
    std::string out(id, 4);
    put32(out, uint32_t(body.size()));
    out += body;
    if (body.size() % 2)
        out += '\0';
    return out;
}
std::string list(const char *kind, const std::string &body)
{
    return chunk("LIST", std::string(kind, 4) + body);
}

/// Writes the frames as an AVI file with 8-bit palettised or 24-bit frames.
bool writeAvi(const std::string &path, const std::vector<Canvas> &frames, int fps, int bits)
{
    const int w = frames.front().width();
    const int h = frames.front().height();
    const size_t stride = (size_t(w) * size_t(bits / 8) + 3) & ~size_t{3};
    const size_t frameBytes = stride * size_t(h);

    std::string avih;
    put32(avih, uint32_t(1000000 / fps));
    put32(avih, uint32_t(frameBytes * size_t(fps)));
    put32(avih, 0);
    put32(avih, 0x10); // has an index
    put32(avih, uint32_t(frames.size()));
    put32(avih, 0);
    put32(avih, 1);
    put32(avih, uint32_t(frameBytes));
    put32(avih, uint32_t(w));
    put32(avih, uint32_t(h));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    std::string strh = "vidsDIB ";
    put32(strh, 0);
    put16(strh, 0);
    put16(strh, 0);
    put32(strh, 0);
    put32(strh, 1);
    put32(strh, uint32_t(fps));
    put32(strh, 0);
    put32(strh, uint32_t(frames.size()));
    put32(strh, uint32_t(frameBytes));
    put32(strh, 0xffffffff);
    put32(strh, 0);
    put16(strh, 0);
    put16(strh, 0);
    put16(strh, uint16_t(w));
    put16(strh, uint16_t(h));

    std::string strf;
    put32(strf, 40);
    put32(strf, uint32_t(w));
    put32(strf, uint32_t(h)); // bottom-up rows
    put16(strf, 1);
    put16(strf, uint16_t(bits));
    put32(strf, 0); // uncompressed
    put32(strf, uint32_t(frameBytes));
    put32(strf, 0);
    put32(strf, 0);
    put32(strf, bits == 8 ? uint32_t(Palette.size()) : 0);
    put32(strf, 0);
    if (bits == 8) {
        for (const Rgb &c : Palette) {
            strf += char(c.b);
            strf += char(c.g);
            strf += char(c.r);
            strf += '\0';
        }
    }

    std::string movi;
    std::string index;
    uint32_t offset = 4;
    for (const Canvas &frame : frames) {
        std::string data;
        data.reserve(frameBytes);
        for (int y = h - 1; y >= 0; --y) {
            size_t rowBytes = 0;
            for (int x = 0; x < w; ++x) {
                const uint8_t c = frame.at(x, y);
                if (bits == 8) {
                    data += char(c);
                    rowBytes += 1;
                } else {
                    data += char(Palette[c].b);
                    data += char(Palette[c].g);
                    data += char(Palette[c].r);
                    rowBytes += 3;
                }
            }
            data.append(stride - rowBytes, '\0');
        }
        index += "00db";
        put32(index, 0x10);
        put32(index, offset);
        put32(index, uint32_t(data.size()));
        const std::string c = chunk("00db", data);
        offset += uint32_t(c.size());
        movi += c;
    }

    const std::string body =
        list("hdrl",
             chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf))) +
        list("movi", movi) + chunk("idx1", index);
    std::string file = "RIFF";
    put32(file, uint32_t(body.size() + 4));
    file += "AVI ";
    file += body;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << file;
    return bool(out);
}

std::vector<Canvas> frames(int count, int w, int h, const std::function<void(Canvas &, int)> &draw)
{
    std::vector<Canvas> all;
    for (int i = 0; i < count; ++i) {
        Canvas c(w, h);
        draw(c, i);
        all.push_back(std::move(c));
    }
    return all;
}

/// A bell swinging left and right, its clapper lagging behind.
void bell(Canvas &c, int i)
{
    const double angle = std::sin(i * 2 * Pi / 8) * 0.45;
    const double px = 16, py = 4; // pivot
    auto rot = [&](double x, double y) {
        const double dx = x - px, dy = y - py;
        return std::pair<double, double>{px + dx * std::cos(angle) - dy * std::sin(angle),
                                         py + dx * std::sin(angle) + dy * std::cos(angle)};
    };
    const auto clapper = rot(16 - 6 * std::sin(angle), 26);
    c.disc(clapper.first, clapper.second, 2.6, 1);
    c.polygon({rot(11, 9), rot(21, 9), rot(23, 18), rot(27, 23), rot(5, 23), rot(9, 18)}, 2);
    const auto top = rot(16, 9);
    c.disc(top.first, top.second, 5, 2);
    c.line(rot(5, 23).first, rot(5, 23).second, rot(27, 23).first, rot(27, 23).second, 2, 3);
    c.disc(px, py, 2, 1);
    if (i % 4 == 1 || i % 4 == 3) { // ringing marks
        c.line(2, 10, 5, 12, 1.2, 5);
        c.line(30, 10, 27, 12, 1.2, 5);
    }
}

/// A pen writing a line, then an exclamation mark appearing.
void writing(Canvas &c, int i)
{
    const int w = c.width();
    const double progress = std::min(1.0, i / 9.0);
    const double endX = 6 + (w - 24) * progress;
    for (int x = 6; x < int(endX); ++x)
        c.set(x, 40 + int(std::sin(x * 0.9) * 2), 4);
    if (i >= 10) {
        c.rect(w - 12, 8, w - 8, 30, 5);
        c.rect(w - 12, 35, w - 8, 39, 5);
    }
    const double tipX = endX, tipY = 40;
    c.polygon({{tipX, tipY},
               {tipX + 4, tipY - 6},
               {tipX + 14, tipY - 24},
               {tipX + 8, tipY - 28},
               {tipX - 2, tipY - 10}},
              4);
    c.line(tipX + 11, tipY - 26, tipX + 15, tipY - 30, 3, 7);
    c.disc(tipX, tipY, 1.2, 1);
}

/// A clock face whose hands go round.
void clockFace(Canvas &c, int i)
{
    c.disc(16, 16, 14, 9);
    c.ring(16, 16, 14, 2, 1);
    for (int h = 0; h < 12; ++h)
        c.disc(16 + 10.5 * std::sin(h * Pi / 6), 16 - 10.5 * std::cos(h * Pi / 6), 0.9, 1);
    const double minute = i * 2 * Pi / 12;
    const double hour = minute / 12 + Pi / 3;
    c.line(16, 16, 16 + 9 * std::sin(minute), 16 - 9 * std::cos(minute), 1.5, 1);
    c.line(16, 16, 16 + 6 * std::sin(hour), 16 - 6 * std::cos(hour), 2.2, 5);
    c.disc(16, 16, 1.5, 1);
}

/// A server sending packets down to a computer.
void server(Canvas &c, int i)
{
    c.rect(4, 2, 20, 26, 7);
    for (int slot = 0; slot < 3; ++slot) {
        c.rect(6, 5 + slot * 7, 18, 9 + slot * 7, 8);
        c.set(16, 7 + slot * 7, (i + slot) % 2 ? 6 : 1);
    }
    c.rect(22, 34, 44, 48, 1);
    c.rect(24, 36, 42, 46, 4);
    c.rect(30, 49, 36, 52, 7);
    for (int p = 0; p < 3; ++p) {
        const double t = ((i + p * 3) % 9) / 9.0;
        c.disc(20 + t * 12, 27 + t * 8, 2, 6);
    }
}

/// A box with an arrow coming in and the box filling up.
void update(Canvas &c, int i)
{
    c.rect(8, 30, 40, 46, 3);
    c.rect(10, 32, 38, 44, 2);
    const int fill = (i * 12) / 11;
    c.rect(10, 44 - fill, 38, 44, 6);
    const double y = 2 + (i % 6) * 4;
    c.polygon(
        {{24, y + 20}, {14, y + 10}, {20, y + 10}, {20, y}, {28, y}, {28, y + 10}, {34, y + 10}},
        4);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeclips OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = writeAvi(folder + "/bell.avi", frames(8, 32, 32, bell), 8, 8) &&
                    writeAvi(folder + "/writeexclamation.avi", frames(14, 48, 48, writing), 6, 8) &&
                    writeAvi(folder + "/clock.avi", frames(12, 32, 32, clockFace), 4, 24) &&
                    writeAvi(folder + "/serverdl.avi", frames(9, 48, 56, server), 8, 8) &&
                    writeAvi(folder + "/update app.avi", frames(12, 48, 48, update), 6, 24);
    if (!ok) {
        std::fprintf(stderr, "makeclips: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
