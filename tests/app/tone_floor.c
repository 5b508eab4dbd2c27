/* The floor of the footprint benchmark: the smallest plain Win32 program that
   does the tone generator's job. One 800 x 600 window with one button; a
   click opens wave-out (8-bit, 2 channels, 44100 Hz) and two 4096-byte
   buffers of a 440 Hz sine circulate, each refilled when the device hands it
   back. It synthesises exactly the bytes the tone generator plays at 440 Hz
   (one sample per byte, the channels one step apart), so what the benchmark
   sees between the two is the window, the toolkit and the runtime. */
#include <windows.h>
#include <mmsystem.h>

#include <math.h>

#define BUFFER_BYTES 4096
#define PLAY_ID 1

static HWAVEOUT device;
static WAVEHDR headers[2];
static unsigned char buffers[2][BUFFER_BYTES];
static double phase;

static void Refill(WAVEHDR* header) {
  const double increment = 6.28318 * 220 / 44100.0;
  unsigned char* bytes = (unsigned char*)header->lpData;
  for (int i = 0; i < BUFFER_BYTES; ++i) {
    bytes[i] = (unsigned char)(127.0 * sin(phase) + 127.0);
    phase += increment;
    if (phase > 6.28318) phase -= 6.28318;
  }
  waveOutWrite(device, header, sizeof *header);
}

static void Play(HWND window) {
  WAVEFORMATEX format = {WAVE_FORMAT_PCM, 2, 44100, 88200, 2, 8, 0};
  if (device != NULL ||
      waveOutOpen(&device, WAVE_MAPPER, &format, (DWORD_PTR)window, 0, CALLBACK_WINDOW) != 0) {
    return;
  }
  for (int n = 0; n < 2; ++n) {
    headers[n].lpData = (LPSTR)buffers[n];
    headers[n].dwBufferLength = BUFFER_BYTES;
    waveOutPrepareHeader(device, &headers[n], sizeof headers[n]);
    Refill(&headers[n]);
  }
}

static LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowA("BUTTON", "Play", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 530, 100, 25,
                    window, (HMENU)PLAY_ID, NULL, NULL);
      return 0;
    case WM_COMMAND:
      if (wparam == PLAY_ID) Play(window);
      return 0;
    case MM_WOM_DONE:
      Refill((WAVEHDR*)lparam);
      return 0;
    case WM_DESTROY:
      if (device != NULL) {
        /* The reset hands both buffers back; their notifications find no
           window any more. */
        waveOutReset(device);
        for (int n = 0; n < 2; ++n) waveOutUnprepareHeader(device, &headers[n], sizeof headers[n]);
        waveOutClose(device);
      }
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
  (void)previous;
  (void)arguments;
  WNDCLASSA window_class = {0};
  window_class.lpfnWndProc = FloorProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  window_class.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
  window_class.lpszClassName = "ToneFloor";
  if (!RegisterClassA(&window_class)) return 1;
  HWND window = CreateWindowA("ToneFloor", "Tone floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 800, 600, NULL, NULL, instance, NULL);
  if (window == NULL) return 1;
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return (int)message.wParam;
}
