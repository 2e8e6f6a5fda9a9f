// The data file's CSV and the batch runner's output share column names
// where they mean the same thing: in a climbing turn every such pair of
// columns reads the same value.
#include "batch_fixture.h"
#include "output/output.h"

TEST_F(BatchTest, SharedCsvNamesReadTheSameValues)
{
    fly_from_air("Trainer.acf", 3000.0f, 90.0f);
    batch_set(BC_THROTTLE, 0.9f);
    batch_set(BC_ELEVATOR, 0.2f);
    batch_set(BC_AILERON, 0.1f);
    batch_set(BC_FLAPS, 0.4f);
    frames(6.0f);
    int shared = 0;
    for (int row = 0; row < NUM_DATA_ROWS; row++) {
        float v[3];
        data_row_values(row, v);
        for (int k = 0; k < 3; k++) {
            int col = batch_column_index(data_row_csv_name(row, k));
            if (col < 0)
                continue;
            shared++;
            double b = batch_column_value(col);
            // The file's throttle is raised half a hundredth for its 2-decimal column.
            EXPECT_NEAR(v[k], b, 0.006 + 1e-4 * fabs(b)) << data_row_csv_name(row, k);
        }
    }
    EXPECT_GE(shared, 20);
}
