#pragma once

#include <QByteArray>

#include <cstdint>

class ParamDatabase;

// Builds consistent database images with real satellite names and orbital positions, their
// transponders, and channels of every kind in the group chains, some in several groups. Every
// byte the tool does not interpret is random. The same options always give the same image.
class SampleDatabase
{
public:
    struct Options {
        std::uint32_t seed = 1;
        int satellites = 12;             // at most the size of the catalogue (and 64)
        int maxTranspondersPerSatellite = 30;
        int channels = 800;              // at most 4000; none when no transponder exists
    };

    // Fills db with a new image (db's path and loaded state are left alone).
    static void Fill(ParamDatabase &db, const Options &options);
    static QByteArray Make(const Options &options);
    // The number of satellites in the catalogue.
    static int CatalogueSize();
};
