"""The preview over the logo at 100 % and 150 %: the seeded pair of row 1
at each end choice, drawn as the focus comes to row 1; a row a Run would
refuse gives the logo back."""
from .case import WindowsCase

PAPER = "srgb(248,250,252)"  # the preview's paper; the logo has none of it
# The end list's items are BOTH Ends, Left End, Right End; the seeded form
# has Right End.
ENDS = (("right", None), ("left", "Up"), ("both", "Up"))


class Preview(WindowsCase):
    def check_preview(self, dpi, percent):
        form = self.form(dpi=dpi)
        form.start()
        _, _, width, height, _ = form.places["Image2"]
        paper = lambda: form.x.count_colour(*form.screen_place("Image2"), PAPER)
        form.click_into("zzL1")
        drawn = {}
        for end, key in ENDS:
            if key:
                form.click_into("BS")  # opens the list
                form.key(key)
                form.key("Return")
            form.wait_until(lambda: paper() > width * height // 2 and
                            paper() not in drawn.values(), 10,
                            f"row 1's preview for the {end} end over the logo")
            drawn[end] = paper()
            form.screenshot(f"preview-{end}-{percent}.png")
        self.note(f"row 1 drawn at each end, paper pixels of {width * height}: "
                  f"{drawn}")
        form.click_into("zzV2")  # row 2's H cannot be read
        form.wait_until(lambda: paper() == 0, 10,
                        "the logo back for a refused row")
        form.exit()

    def test_preview_at_100(self):
        self.check_preview(96, 100)

    def test_preview_at_150(self):
        self.check_preview(144, 150)
