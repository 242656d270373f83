// SPDX-License-Identifier: MIT
import java.awt.Dimension;
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.io.ByteArrayOutputStream;
import java.io.FileInputStream;
import java.io.InputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.List;

import org.apache.poi.sl.usermodel.Placeholder;
import org.apache.poi.xslf.usermodel.XMLSlideShow;
import org.apache.poi.xslf.usermodel.XSLFShape;
import org.apache.poi.xslf.usermodel.XSLFSimpleShape;
import org.apache.poi.xslf.usermodel.XSLFSlide;
import org.apache.poi.xslf.usermodel.XSLFTextParagraph;
import org.apache.poi.xslf.usermodel.XSLFTextRun;
import org.apache.poi.xslf.usermodel.XSLFTextShape;

/**
 * Opens each .pptx named on the command line with the XSLF reader and prints
 * what it finds, in the records and escapes of PoiSlideDump:
 *
 *   file NAME / slides COUNT / slide INDEX LAYOUT TITLE / shape NAME PLACEHOLDER /
 *   para LEVEL TEXT / warning TEXT / error TEXT
 *
 * LAYOUT is the type of the slide's layout as the reader names it, LEVEL the
 * paragraph's level, 0 for the top.
 */
public final class PoiXslfDump {
    private PoiXslfDump() {}

    public static void main(String[] args) throws Exception {
        PrintStream out = new PrintStream(System.out, false, StandardCharsets.UTF_8);
        ByteArrayOutputStream logged = new ByteArrayOutputStream();
        System.setOut(new PrintStream(logged, true, StandardCharsets.UTF_8));

        for (String path : args) {
            out.println("file\t" + PoiSlideDump.escape(path));
            try {
                dump(path, out);
            } catch (Throwable failure) {
                out.println("error\t" + PoiSlideDump.escape(PoiSlideDump.describe(failure)));
            }
            for (String line : logged.toString(StandardCharsets.UTF_8).split("\n")) {
                if (!line.isEmpty())
                    out.println("warning\t" + PoiSlideDump.escape(line));
            }
            logged.reset();
        }
        out.flush();
    }

    private static void dump(String path, PrintStream out) throws Exception {
        try (InputStream in = new FileInputStream(path); XMLSlideShow show = new XMLSlideShow(in)) {
            List<XSLFSlide> slides = show.getSlides();
            out.println("slides\t" + slides.size());
            for (XSLFSlide slide : slides) {
                String title = slide.getTitle();
                out.println("slide\t" + slide.getSlideNumber() + "\t"
                        + slide.getSlideLayout().getType() + "\t"
                        + PoiSlideDump.escape(title == null ? "" : title));
                for (XSLFShape shape : slide.getShapes())
                    dumpShape(shape, out);
            }
            // Drawing resolves every placeholder's position, style and colour
            // through the layout, master and theme.
            Dimension size = show.getPageSize();
            BufferedImage image = new BufferedImage(80, 60, BufferedImage.TYPE_INT_RGB);
            for (XSLFSlide slide : slides) {
                Graphics2D graphics = image.createGraphics();
                graphics.scale(80.0 / size.width, 60.0 / size.height);
                slide.draw(graphics);
                graphics.dispose();
            }
        }
    }

    private static void dumpShape(XSLFShape shape, PrintStream out) {
        Placeholder placeholder = shape instanceof XSLFSimpleShape
                ? ((XSLFSimpleShape) shape).getPlaceholder() : null;
        out.println("shape\t" + PoiSlideDump.escape(shape.getShapeName()) + "\t"
                + (placeholder == null ? "NONE" : placeholder.name()));
        if (!(shape instanceof XSLFTextShape))
            return;
        for (XSLFTextParagraph paragraph : ((XSLFTextShape) shape).getTextParagraphs()) {
            StringBuilder text = new StringBuilder();
            for (XSLFTextRun run : paragraph.getTextRuns())
                text.append(run.getRawText());
            out.println("para\t" + paragraph.getIndentLevel() + "\t"
                    + PoiSlideDump.escape(text.toString()));
        }
    }
}
