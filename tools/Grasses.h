#pragma once

#include <QColor>

#include <array>
#include <variant>

namespace artwork {

// A head packed so tightly that it reads as one body: a cylinder or a short spike-like head.
struct DenseHead {
    double length;
    double width;
    double taper;        // 0 keeps the width to the blunt tip; 1 narrows it to a point
    double spikelet;     // length of one spikelet
    double awnLength;    // 0 for none; fine awns stand out of the surface
};

// Spikelets sitting directly on a zig-zag stem, alternately left and right.
struct Spike {
    double length;
    int spikelets;
    double spikeletLength;
    int florets;
    double angle;        // degrees between a spikelet and the stem
    bool flatAgainstStem; // broad side to the stem (two rows) rather than edge-on
    double awnLength;
};

// A branched head.
struct Panicle {
    double length;
    int nodes;
    int minBranches;     // per node: pairs, whorls of three to five, ...
    int maxBranches;
    double branchAngle;  // degrees from the axis
    double lowestBranch; // branch length at the lowest node, as a share of the head's length
    double topBranch;    // the same at the top
    double branchWidth;
    double droop;        // how far a branch bends down, as a share of its length
    double nod;          // how far the top of the axis bends over, as a share of its length
    int subBranches;     // branchlets per branch, each ending in a spikelet
    int spikeletsPerBranch;
    double spikeletsFrom; // share of a branch left bare before its first spikelet
    bool clumpedAtTips;  // spikelets packed into one-sided clumps at the branch ends
    double spikeletLength;
    double spikeletWidth;
    int florets;         // drawn one by one from three upwards
    double awnLength;    // one bent awn per spikelet when not 0
};

enum class BaseForm { Tuft, Tussock, Runners, Rhizomes };

struct Species {
    std::variant<DenseHead, Spike, Panicle> head;
    BaseForm base;
    double culmLength;  // stem from the ground to the head
    QColor headColour;
    QColor headLight;   // the sheen or the paler side of the spikelets
    QColor stemColour;
    QColor leafColour;
    double leafWidth;
    bool glossy;        // spikelets and leaves catch the light
};

inline constexpr int SpeciesCount = 13;

// The thirteen grasses, by item number.
const std::array<Species, SpeciesCount>& allSpecies();

} // namespace artwork
