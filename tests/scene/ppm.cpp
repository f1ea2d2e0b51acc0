#include "ppm.h"

#include <cctype>
#include <fstream>

namespace vr::scene {
namespace {

// Skips white space and # comments of the header.
void skipSpace(std::istream &in) {
    for (int c = in.peek(); c != EOF; c = in.peek()) {
        if (c == '#') {
            std::string line;
            std::getline(in, line);
        } else if (std::isspace(c)) {
            in.get();
        } else {
            break;
        }
    }
}

}  // namespace

bool readPpm(const std::string &path, Picture &out, std::string *error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::string magic;
    int maxval = 0;
    in >> magic;
    skipSpace(in);
    in >> out.width;
    skipSpace(in);
    in >> out.height;
    skipSpace(in);
    in >> maxval;
    if (!in || magic != "P6" || maxval != 255 || out.width <= 0 || out.height <= 0) {
        *error = path + " is not a binary PPM with 8-bit channels";
        return false;
    }
    in.get();  // the single white space before the pixels
    out.rgb.resize(size_t(out.width) * out.height * 3);
    in.read(reinterpret_cast<char *>(out.rgb.data()), std::streamsize(out.rgb.size()));
    if (in.gcount() != std::streamsize(out.rgb.size())) {
        *error = path + " ends before its last pixel";
        return false;
    }
    return true;
}

bool writePpm(const std::string &path, const Picture &picture) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    out.write(reinterpret_cast<const char *>(picture.rgb.data()), std::streamsize(picture.rgb.size()));
    return bool(out);
}

}  // namespace vr::scene
