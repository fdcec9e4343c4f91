// The renderer's fixed scene parameters: nothing reads them from a file, the registry or the command line.
#pragma once

struct SceneParameters {
    int attractorCount;
    int particlesPerAttractor;
    int trailLength;        // points in each particle's trail
    int spriteSize;         // sprite half-size is spriteSize x 0.005 scene units
    int fadeLevel;          // strength of the per-frame darkening of the previous image
    int spinSpeed;          // camera turn per frame, hundredths of a degree
    int spreadRate;         // trail points scale by 1 + spreadRate x 0.0005 per frame
    int zDriftRate;         // trail points move by zDriftRate x 0.001 along z per frame
    int reshuffleLevel;     // coefficients re-drawn every (101 - level)^2 frames plus up to as many again
    int coefficientSpeed;   // scale of the coefficient velocities
};

// The values the shell assigns while its window is created.
constexpr SceneParameters kSceneParameters = {
    /*attractorCount*/ 2,
    /*particlesPerAttractor*/ 40,
    /*trailLength*/ 60,
    /*spriteSize*/ 5,
    /*fadeLevel*/ 30,
    /*spinSpeed*/ 20,
    /*spreadRate*/ 30,
    /*zDriftRate*/ 10,
    /*reshuffleLevel*/ 80,
    /*coefficientSpeed*/ 5,
};
