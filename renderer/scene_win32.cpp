// Gives the saver window its OpenGL context and puts the scene into its drawing state.
#include "scene_win32.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

#include "frame_geometry.h"
#include "pixel_format.h"
#include "sprite_texture.h"

namespace {

constexpr GLuint kSpriteTexture = 1;
constexpr GLuint kSpriteList = 1;
constexpr double kFieldOfViewDegrees = 100.0;
constexpr double kNearPlane = 0.01, kFarPlane = 200.0;
constexpr float kCameraDistance = 2.5f;  // scene units in front of the origin

// Lives as long as the process, as the upload may keep pointing at it.
uint8_t spriteTexels[kSpriteTextureSize * kSpriteTextureSize];

PixelFormatInfo infoOf(const PIXELFORMATDESCRIPTOR& descriptor) {
    return {descriptor.dwFlags, descriptor.iPixelType, descriptor.cColorBits, descriptor.cDepthBits};
}

void setUpProjection(const RECT& client) {
    int width = client.right - client.left, height = client.bottom - client.top;
    glViewport(client.left, client.top, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewDegrees, double(width) / double(height), kNearPlane, kFarPlane);
    glTranslatef(0.0f, 0.0f, -kCameraDistance);  // the camera distance lives in the projection
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void setUpSpriteTexture() {
    makeSpriteTexels(spriteTexels);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, kSpriteTexture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GLfloat(GL_MODULATE));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // One luminance component: modulation scales colour by the texel and keeps vertex alpha.
    glTexImage2D(GL_TEXTURE_2D, 0, 1, kSpriteTextureSize, kSpriteTextureSize, 0, GL_LUMINANCE,
                 GL_UNSIGNED_BYTE, spriteTexels);
}

// Two counter-clockwise triangles of half-size s in the z = 0 plane, facing the camera.
void compileSpriteList(float s) {
    glNewList(kSpriteList, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, kSpriteTexture);
    glBegin(GL_TRIANGLES);
    glTexCoord2f(0, 0); glVertex3f(-s, -s, 0);
    glTexCoord2f(1, 0); glVertex3f(s, -s, 0);
    glTexCoord2f(1, 1); glVertex3f(s, s, 0);
    glTexCoord2f(0, 0); glVertex3f(-s, -s, 0);
    glTexCoord2f(1, 1); glVertex3f(s, s, 0);
    glTexCoord2f(0, 1); glVertex3f(-s, s, 0);
    glEnd();
    glEndList();
}

}  // namespace

void selectPixelFormat(HDC deviceContext) {
    std::vector<PixelFormatInfo> formats;
    PIXELFORMATDESCRIPTOR descriptor;
    for (int index = 1; DescribePixelFormat(deviceContext, index, sizeof descriptor, &descriptor); ++index)
        formats.push_back(infoOf(descriptor));

    int chosen = choosePixelFormatIndex(formats);
    if (chosen) {
        DescribePixelFormat(deviceContext, chosen, sizeof descriptor, &descriptor);
        SetPixelFormat(deviceContext, chosen, &descriptor);
        return;
    }
    PIXELFORMATDESCRIPTOR wanted = {};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = 24;
    wanted.cDepthBits = 24;
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &wanted), &wanted);
}

void setUpScene(Scene& scene, HWND window, const SceneParameters& parameters, uint32_t seed) {
    scene.simulation.parameters = parameters;
    seedRandom(scene.simulation.random, seed);

    scene.deviceContext = GetDC(window);
    selectPixelFormat(scene.deviceContext);
    scene.glContext = wglCreateContext(scene.deviceContext);
    RECT client;
    GetClientRect(window, &client);
    wglMakeCurrent(scene.deviceContext, scene.glContext);

    setUpProjection(client);
    int height = client.bottom - client.top;
    scene.fadeHalfWidth = fadeQuadHalfWidth(height > 0 ? float(client.right - client.left) / float(height) : 1.0f);

    glFrontFace(GL_CCW);
    glEnable(GL_CULL_FACE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);  // the colour buffer is never cleared again

    setUpSpriteTexture();
    compileSpriteList(float(parameters.spriteSize) * 0.005f);

    scene.brightnessStep = 1.0f / float(parameters.trailLength);
    scene.cameraAngle = 0.0f;
    createAttractors(scene.simulation);
}

void tearDownScene(Scene& scene, HWND window) {
    destroyAttractors(scene.simulation);
    ReleaseDC(window, scene.deviceContext);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(scene.glContext);  // the texture and the list go with it
    scene.deviceContext = nullptr;
    scene.glContext = nullptr;
}
