// SPDX-License-Identifier: MIT
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.io.ByteArrayOutputStream;
import java.io.FileInputStream;
import java.io.InputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.List;

import org.apache.poi.ddf.AbstractEscherOptRecord;
import org.apache.poi.ddf.EscherComplexProperty;
import org.apache.poi.ddf.EscherProperties;
import org.apache.poi.hslf.usermodel.HSLFShape;
import org.apache.poi.hslf.usermodel.HSLFSimpleShape;
import org.apache.poi.hslf.usermodel.HSLFSlide;
import org.apache.poi.hslf.usermodel.HSLFSlideShow;
import org.apache.poi.hslf.usermodel.HSLFTextParagraph;
import org.apache.poi.hslf.usermodel.HSLFTextRun;
import org.apache.poi.hslf.usermodel.HSLFTextShape;
import org.apache.poi.sl.usermodel.Placeholder;

/**
 * Opens each presentation named on the command line with the HSLF reader and
 * prints what it finds, one fact a line, so a test can compare it with what
 * was written:
 *
 *   file NAME
 *   slides COUNT
 *   slide INDEX LAYOUT TITLE
 *   shape NAME PLACEHOLDER
 *   para LEVEL TEXT
 *   warning TEXT       (anything the reader logged while reading the file)
 *   error TEXT         (the file was refused)
 *
 * Fields are separated by tabs. In text, a backslash, tab, CR and LF are
 * written as a backslash and one of \\ t r n, other control characters as a
 * backslash, "u" and four hex digits, so every record stays on one line.
 * LEVEL is the reader's own, 0 for the top level.
 */
public final class PoiSlideDump {
    private PoiSlideDump() {}

    public static void main(String[] args) throws Exception {
        // The reader reports damage it works around through its logger, which
        // is pointed at standard output by the caller; catch it per file so a
        // file that only opens with repairs still counts as a fault.
        PrintStream out = new PrintStream(System.out, false, StandardCharsets.UTF_8);
        ByteArrayOutputStream logged = new ByteArrayOutputStream();
        System.setOut(new PrintStream(logged, true, StandardCharsets.UTF_8));

        for (String path : args) {
            out.println("file\t" + escape(path));
            try {
                dump(path, out);
            } catch (Throwable failure) {
                out.println("error\t" + escape(describe(failure)));
            }
            for (String line : logged.toString(StandardCharsets.UTF_8).split("\n")) {
                if (!line.isEmpty())
                    out.println("warning\t" + escape(line));
            }
            logged.reset();
        }
        out.flush();
    }

    private static void dump(String path, PrintStream out) throws Exception {
        try (InputStream in = new FileInputStream(path); HSLFSlideShow show = new HSLFSlideShow(in)) {
            List<HSLFSlide> slides = show.getSlides();
            out.println("slides\t" + slides.size());
            for (HSLFSlide slide : slides) {
                String title = slide.getTitle();
                out.println("slide\t" + slide.getSlideNumber() + "\t"
                        + slide.getSlideRecord().getSlideAtom().getSSlideLayoutAtom().getGeometryType()
                        + "\t" + escape(title == null ? "" : title));
                for (HSLFShape shape : slide.getShapes())
                    dumpShape(shape, out);
            }
            // Drawing goes through the masters' text styles, fonts, colour
            // schemes and headers and footers, which the text never touches.
            BufferedImage image = new BufferedImage(80, 60, BufferedImage.TYPE_INT_RGB);
            for (HSLFSlide slide : slides) {
                Graphics2D graphics = image.createGraphics();
                graphics.scale(80.0 / show.getPageSize().width, 60.0 / show.getPageSize().height);
                slide.draw(graphics);
                graphics.dispose();
            }
        }
    }

    private static void dumpShape(HSLFShape shape, PrintStream out) {
        Placeholder placeholder = shape instanceof HSLFSimpleShape
                ? ((HSLFSimpleShape) shape).getPlaceholder() : null;
        out.println("shape\t" + escape(storedName(shape)) + "\t"
                + (placeholder == null ? "NONE" : placeholder.name()));
        if (!(shape instanceof HSLFTextShape))
            return;
        for (HSLFTextParagraph paragraph : ((HSLFTextShape) shape).getTextParagraphs()) {
            StringBuilder text = new StringBuilder();
            for (HSLFTextRun run : paragraph.getTextRuns())
                text.append(run.getRawText());
            // The paragraph break belongs to the paragraph before it.
            int end = text.length();
            while (end > 0 && (text.charAt(end - 1) == '\r' || text.charAt(end - 1) == '\n'))
                --end;
            text.setLength(end);
            out.println("para\t" + paragraph.getIndentLevel() + "\t" + escape(text.toString()));
        }
    }

    // The name as stored; getShapeName() would make one up from the shape
    // type and id when none is stored, which hides a missing name.
    private static String storedName(HSLFShape shape) {
        AbstractEscherOptRecord options = shape.getEscherOptRecord();
        if (options == null)
            return "";
        EscherComplexProperty name =
                HSLFShape.getEscherProperty(options, EscherProperties.GROUPSHAPE__SHAPENAME);
        if (name == null)
            return "";
        byte[] bytes = name.getComplexData();
        String decoded = new String(bytes, StandardCharsets.UTF_16LE);
        int nul = decoded.indexOf('\0');
        return nul < 0 ? decoded : decoded.substring(0, nul);
    }

    // The exception with the reader's frames that led to it, so a refusal
    // points at the record the reader could not place.
    static String describe(Throwable failure) {
        StringBuilder text = new StringBuilder(failure.toString());
        StackTraceElement[] frames = failure.getStackTrace();
        for (int i = 0; i < Math.min(frames.length, 8); ++i)
            text.append("\n  at ").append(frames[i]);
        return text.toString();
    }

    static String escape(String text) {
        StringBuilder escaped = new StringBuilder(text.length());
        for (int i = 0; i < text.length(); ++i) {
            char c = text.charAt(i);
            switch (c) {
            case '\\': escaped.append("\\\\"); break;
            case '\t': escaped.append("\\t"); break;
            case '\r': escaped.append("\\r"); break;
            case '\n': escaped.append("\\n"); break;
            default:
                if (c < 0x20 || c == 0x7f)
                    escaped.append(String.format("\\u%04x", (int) c));
                else
                    escaped.append(c);
            }
        }
        return escaped.toString();
    }
}
